#!/usr/bin/env python3
"""Writes a generated script of at least the given size (bytes) to stdout:
functions, loops, conditionals and expressions, with fresh names, so that
parsing and writing back can be timed on a realistic mix."""
import sys

target = int(sys.argv[1]) if len(sys.argv) > 1 else 1 << 20
chunk = """function f{n}(a{n}, b{n}) {{
    var total = 0, i;
    for (i = 0; i < a{n}; i++) {{
        if (i % 3 == 0) total += b{n} * i; else total -= (i << 2) >>> 1;
        while (total > 1000) total = total / 2
    }}
    for (var key in this) {{ if (typeof key == "string") continue; break }}
    return total + "items: \\t" + 'x{n}'
}}
var v{n} = f{n}(10, 0x1F) ? new Date() : null;
with (Math) {{ v{n} = max(v{n}, -PI, .5e3, 017) }}
"""
written = 0
n = 0
out = sys.stdout
while written < target:
    text = chunk.format(n=n)
    out.write(text)
    written += len(text)
    n += 1
