#!/usr/bin/env python3
"""Differential test: random programs in the script language run by `corvel`
and by Duktape (`duk`), their output compared line by line.

The generator stays inside what both engines must agree on. Deliberate
differences of our language (docs/differences.md) are either kept out of the
programs or masked: number text is compared after formatting the peer's
numbers with "%g", for-in names are sorted before they are printed, and the
peer runs behind a prelude that gives it `Debug.trace` and `isNan`.

Each program prints lines "tag:type:value" through a function `out`; a
program whose outputs differ is kept with both outputs in the failure folder.
"""

import argparse
import os
import random
import re
import subprocess
import sys

PEER_PRELUDE = r"""
var __pending = "";
var Debug = {
    trace: function (text) {
        __pending += String(text);
        var at;
        while ((at = __pending.indexOf("\n")) >= 0) {
            print(__pending.substring(0, at));
            __pending = __pending.substring(at + 1);
        }
    },
    tracePane: function () {}
};
function isNan(x) { return isNaN(x); }
// Our max and min compare their first two arguments only, as a > b ? a : b
// and a >= b ? b : a (so NaN wins or loses by its place); pow is the C
// library's, for which 1 to any power and -1 to an infinite power are 1.
Math.max = function (a, b) { return arguments.length < 2 ? NaN : a > b ? a : b; };
Math.min = function (a, b) { return arguments.length < 2 ? NaN : a >= b ? b : a; };
Math.__pow = Math.pow;
Math.pow = function (x, y) {
    if (arguments.length < 2) return NaN;
    x = Number(x); y = Number(y);
    if (x === 1 || y === 0) return 1;
    if (x === -1 && (y === Infinity || y === -Infinity)) return 1;
    return Math.__pow(x, y);
};
// Our parseInt: no digits give 0 (signed), a leading 0 means octal, line
// breaks are not skipped.
parseInt = function (text, radix) {
    text = String(text);
    var at = 0, sign = 1, r = 0;
    while (at < text.length && " \t\v\f".indexOf(text.charAt(at)) >= 0) at++;
    if (text.charAt(at) == "-") sign = -1;
    if (text.charAt(at) == "-" || text.charAt(at) == "+") at++;
    var hex = /^0[xX]/.test(text.substring(at));
    if (arguments.length > 1) {
        r = radix | 0;
        if (r != 0 && (r < 2 || r > 36)) return NaN;
        if (r == 16 && hex) at += 2;
    }
    if (r == 0) {
        if (hex) { r = 16; at += 2; }
        else if (text.charAt(at) == "0") r = 8;
        else r = 10;
    }
    var value = 0;
    for (; at < text.length; at++) {
        var digit = parseInt.digits.indexOf(text.charAt(at).toLowerCase());
        if (digit < 0 || digit >= r) break;
        value = value * r + digit;
    }
    return sign * value;
};
parseInt.digits = "0123456789abcdefghijklmnopqrstuvwxyz";
// Our parseFloat reads a numeric literal of the language.
parseFloat = function (text) {
    text = String(text).replace(/^[ \t\v\f]+/, "");
    var m = /^0[xX][0-9a-fA-F]+/.exec(text);
    if (m) return Number(m[0]);
    m = /^0[0-7]+/.exec(text);
    if (m) return __octal(m[0]);
    m = /^(([1-9][0-9]*|0)(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)?/.exec(text);
    return m ? Number(m[0]) : NaN;
};
function __octal(digits) {
    var value = 0;
    for (var i = 0; i < digits.length; i++) value = value * 8 + (digits.charCodeAt(i) - 48);
    return value;
}
// Our escape keeps letters, digits and @*_+-/ and writes lower-case hex.
escape = function (text) {
    text = String(text);
    var result = "";
    for (var i = 0; i < text.length; i++) {
        var c = text.charAt(i);
        if (/[A-Za-z0-9@*_+\-\/]/.test(c)) result += c;
        else result += "%" + (text.charCodeAt(i) < 16 ? "0" : "") + text.charCodeAt(i).toString(16);
    }
    return result;
};
"""
PEER_EPILOGUE = '\nif (__pending.length) print(__pending);\n'

OUT_FUNCTION = 'function out(tag, v) { Debug.trace(tag + ":" + typeof v + ":" + v + "\\n"); }\n'

# Text without leading zeros (parseInt reads "017" as octal in our language),
# without "Infinity" (not number text for us) and in ASCII (our strings are
# bytes, the peer's are UTF-16).
STRING_POOL = ["", "a", "abc", "Hello", "x,y,z", " 42 ", "12px", "0x1F", "3.5e2", "-7", "+8",
               "a b", "AbCd", "zz", "1,2,3", "  ", "e5", ".5", "5.", "0.25", "hello world", "-0"]
NAMES = ["p", "q", "r", "alpha", "beta", "x1", "y2"]


class Generator:
    def __init__(self, rng):
        self.rng = rng
        self.numbers = ["n%d" % i for i in range(4)]
        self.strings = ["s%d" % i for i in range(3)]
        self.objects = ["o%d" % i for i in range(2)]
        self.arrays = ["a%d" % i for i in range(2)]
        self.functions = []
        self.tags = 0
        self.loops = 0
        self.depth = 0

    # ---- expressions ----
    def number_literal(self):
        r = self.rng
        choice = r.randrange(6)
        if choice == 0:
            return str(r.randrange(10))
        if choice == 1:
            return str(r.randrange(100000))
        if choice == 2:
            return r.choice(["0.5", "0.25", "1.5", "2.75", "0.1", "3.14159", "1e3", "2.5e-3", "1e21", "123456789"])
        if choice == 3:
            return "0x%X" % r.randrange(65536)
        if choice == 4:
            return str(r.randrange(2 ** 31, 2 ** 32))
        return str(r.randrange(1000))

    def number(self, depth=0):
        r = self.rng
        if depth > 3 or r.random() < 0.3:
            return r.choice([self.number_literal, lambda: r.choice(self.numbers)])()
        choice = r.randrange(16)
        a = lambda: self.number(depth + 1)
        if choice <= 4:
            op = r.choice(["+", "-", "*", "/", "%", "&", "|", "^", "<<", ">>", ">>>"])
            return "(%s %s %s)" % (a(), op, a())
        if choice == 5:
            return "(%s%s)" % (r.choice(["-", "~", "+"]), a())
        if choice == 6:
            fn = r.choice(["abs", "floor", "ceil", "round", "sqrt", "sin", "cos", "exp", "log", "atan"])
            return "Math.%s(%s)" % (fn, a())
        if choice == 7:
            fn = r.choice(["max", "min", "pow", "atan2"])
            return "Math.%s(%s, %s)" % (fn, a(), a())
        if choice == 8:
            return "%s.length" % self.string(depth + 1)
        if choice == 9:
            s = self.string(depth + 1)
            return r.choice(["%s.charCodeAt(%s)" % (s, a()), "%s.indexOf(%s)" % (s, self.string(depth + 1)),
                             "%s.lastIndexOf(%s)" % (s, self.string(depth + 1))])
        if choice == 10:
            return r.choice(["parseInt(%s)" % self.string(depth + 1),
                             "parseInt(%s, %d)" % (self.string(depth + 1), r.choice([2, 8, 10, 16, 36])),
                             "parseFloat(%s)" % self.string(depth + 1)])
        if choice == 11:
            return "(%s ? %s : %s)" % (self.boolean(depth + 1), a(), a())
        if choice == 12 and self.functions:
            name, arity = r.choice(self.functions)
            return "%s(%s)" % (name, ", ".join(a() for _ in range(arity)))
        if choice == 13:
            return "%s.length" % r.choice(self.arrays)
        if choice == 14:
            return "(%s %s %s)" % (a(), r.choice(["&&", "||"]), a())
        if choice == 15:
            return self.number_more(depth)
        return "Math.PI"

    def number_more(self, depth):
        r = self.rng
        a = lambda: self.number(depth + 1)
        choice = r.randrange(13)
        # Text turned into a number is whole literal text: a lone sign or
        # "0x" (a piece of one) reads as 0 for us.
        if choice == 0:
            return "Number(%s)" % self.literal()
        if choice == 1:
            return "(%s %s)" % (self.literal(), r.choice(["* 1", "- 0", "/ 2"]))
        if choice == 2:
            return "new Date(%d, %d, %d, %d, %d).getTime()" % (
                r.randrange(0, 2200), r.randrange(-2, 14), r.randrange(0, 33), r.randrange(0, 25), r.randrange(0, 61))
        if choice == 3:
            return "new Date(%s).%s()" % (self.number_more_date(), r.choice(
                ["getUTCFullYear", "getUTCMonth", "getUTCDate", "getUTCDay", "getUTCHours", "getUTCMinutes",
                 "getTime", "valueOf"]))
        if choice == 4:
            return "(new Number(%s)).valueOf()" % a()
        if choice == 5:
            return "(%s + %s)" % (self.boolean(depth + 1), a())
        if choice == 6:
            return "new Array(%s).length" % ", ".join(self.number_literal() for _ in range(r.randrange(0, 4)))
        if choice == 7:
            return "(new String(%s)).length" % self.string(depth + 1)
        if choice == 8:
            return "%s.split(%s).length" % (self.string(depth + 1), r.choice(['","', '" "', '"a"', '"zz"']))
        if choice == 9:
            return "fact(%d)" % r.randrange(0, 15)
        if choice == 10:
            # MIN_VALUE is the smallest normal number for us.
            return "Number.MAX_VALUE"
        if choice == 11:
            return "(%s ? 1 : 0)" % r.choice(["new Boolean(false)", "new Object()", "new String(\"\")", "null",
                                              "\"\"", "\"0\"", "0", "void 0"])
        return "%s.length" % r.choice(["\"abc\".split(\"\")", "new Array(1, 2, 3)", "new Array(\"a\", \"b\")"])

    def number_more_date(self):
        r = self.rng
        # Date.UTC is not ours; both engines run with TZ=UTC instead.
        return "%d, %d, %d" % (r.randrange(1960, 2100), r.randrange(0, 12), r.randrange(1, 29))

    def string(self, depth=0):
        r = self.rng
        if depth > 3 or r.random() < 0.4:
            if r.random() < 0.5:
                return '"%s"' % r.choice(STRING_POOL)
            return r.choice(self.strings)
        choice = r.randrange(8)
        s = lambda: self.string(depth + 1)
        if choice == 0:
            return "(%s + %s)" % (s(), s())
        if choice == 1:
            return "%s.charAt(%s)" % (s(), self.number(depth + 1))
        if choice == 2:
            return "%s.substring(%s, %s)" % (s(), self.small(), self.small())
        if choice == 3:
            return "%s.%s()" % (s(), r.choice(["toUpperCase", "toLowerCase", "toString"]))
        if choice == 4:
            return "String.fromCharCode(%s)" % ", ".join(str(r.randrange(32, 127)) for _ in range(r.randrange(1, 4)))
        if choice == 5:
            return "(%s + %d)" % (s(), r.randrange(100))
        if choice == 6:
            return "escape(%s)" % s()
        return "(typeof %s)" % r.choice([self.number(depth + 1), s(), r.choice(self.objects)])

    def literal(self):
        return '"%s"' % self.rng.choice(STRING_POOL)

    def small(self):
        return str(self.rng.randrange(-2, 12))

    def boolean(self, depth=0):
        r = self.rng
        choice = r.randrange(7)
        if choice <= 1:
            return "(%s %s %s)" % (self.number(depth + 1), r.choice(["<", ">", "<=", ">=", "==", "!="]),
                                   self.number(depth + 1))
        if choice == 2:
            return "(%s %s %s)" % (self.string(depth + 1), r.choice(["<", ">", "==", "!="]), self.string(depth + 1))
        if choice == 3:
            return "isNan(%s)" % self.number(depth + 1)
        if choice == 4:
            return "isFinite(%s)" % self.number(depth + 1)
        if choice == 6 and self.rng.random() < 0.5:
            return "(%s %s %s)" % (self.rng.choice(["null", "void 0", "true", "false", self.number(depth + 1)]),
                                   self.rng.choice(["==", "!="]),
                                   self.rng.choice(["null", "void 0", "true", "false", "0", "1", self.literal()]))
        if choice == 5 and depth < 3:
            return "(%s %s %s)" % (self.boolean(depth + 1), r.choice(["&&", "||"]), self.boolean(depth + 1))
        return "!%s" % self.boolean(depth + 1) if depth < 3 else "true"

    # ---- statements ----
    def out(self, indent):
        self.tags += 1
        r = self.rng
        choice = r.randrange(5)
        if choice <= 1:
            value = self.number()
        elif choice == 2:
            value = self.string()
        elif choice == 3:
            value = self.boolean()
        else:
            value = r.choice(["%s.%s" % (r.choice(self.objects), r.choice(NAMES)),
                              "%s[%s]" % (r.choice(self.arrays), self.small())])
        return "%sout(%d, %s);\n" % (indent, self.tags, value)

    def statement(self, indent):
        r = self.rng
        choice = r.randrange(14)
        if choice <= 2:
            return "%s%s = %s;\n" % (indent, r.choice(self.numbers), self.number())
        if choice == 3:
            return "%s%s = %s;\n" % (indent, r.choice(self.strings), self.string())
        if choice <= 5:
            return self.out(indent)
        if choice == 6:
            return "%s%s.%s = %s;\n" % (indent, r.choice(self.objects), r.choice(NAMES),
                                       r.choice([self.number, self.string])())
        if choice == 7:
            return "%s%s[%s] = %s;\n" % (indent, r.choice(self.arrays), self.small(), self.number())
        if choice == 8:
            if r.random() < 0.5:
                return self.more_statement(indent)
            return "%s%s %s;\n" % (indent, r.choice(self.numbers), r.choice(["++", "--", "+= 3", "*= 2", "-= 1.5"]))
        if self.depth >= 2:
            return self.out(indent)
        self.depth += 1
        try:
            if choice == 9:
                text = "%sif (%s) {\n%s%s}" % (indent, self.boolean(), self.block(indent + "    "), indent)
                if r.random() < 0.5:
                    text += " else {\n%s%s}" % (self.block(indent + "    "), indent)
                return text + "\n"
            if choice == 10:
                self.loops += 1
                i = "i%d" % self.loops
                body = self.block(indent + "    ")
                if r.random() < 0.3:
                    body += "%s    if (%s) break;\n" % (indent, self.boolean())
                return "%sfor (var %s = 0; %s < %d; %s++) {\n%s%s}\n" % (indent, i, i, r.randrange(1, 6), i, body,
                                                                       indent)
            if choice == 11:
                self.loops += 1
                w = "w%d" % self.loops
                return "%svar %s = 0;\n%swhile (%s < %d) {\n%s    %s++;\n%s%s}\n" % (
                    indent, w, indent, w, r.randrange(1, 5), indent, w, self.block(indent + "    "), indent)
            if choice == 12:
                return self.for_in(indent)
            return self.array_work(indent)
        finally:
            self.depth -= 1

    def more_statement(self, indent):
        r = self.rng
        self.tags += 1
        o = r.choice(self.objects)
        a = r.choice(self.arrays)
        choice = r.randrange(10)
        if choice == 6:
            return "%s%s = new Point(%s, %s);\n" % (indent, o, self.number(), self.number())
        if choice == 7:
            return "%sPoint.prototype.%s = %s;\n" % (indent, r.choice(NAMES), self.number())
        if choice == 8:
            return "%s%s.getX = getX;\n%sout(%d, %s.getX());\n" % (indent, o, indent, self.tags, o)
        if choice == 9:
            return "%sout(%d, sum(%d) + %s.%s);\n" % (indent, self.tags, r.randrange(0, 50), o, r.choice(
                NAMES + ["x", "y"]))
        if choice == 0:
            return "%sdelete %s.%s;\n" % (indent, o, r.choice(NAMES))
        if choice == 1:
            return "%s%s.length = %d;\n" % (indent, a, r.randrange(0, 6))
        if choice == 2:
            return "%swith (%s) { out(%d, typeof %s); }\n" % (indent, o, self.tags, r.choice(NAMES))
        if choice == 3:
            return "%sout(%d, count(%s));\n" % (indent, self.tags, ", ".join(
                self.number() for _ in range(r.randrange(0, 4))))
        if choice == 4:
            return "%sout(%d, typeof this);\n" % (indent, self.tags)
        return "%sout(%d, (new Array(%s)).join(%s));\n" % (indent, self.tags, ", ".join(
            '"%s"' % r.choice(STRING_POOL) for _ in range(r.randrange(0, 4))), r.choice(['"-"', '","', '""']))

    def for_in(self, indent):
        # The order of enumeration is ours to choose: names are sorted.
        self.loops += 1
        k = "k%d" % self.loops
        names = "names%d" % self.loops
        count = "count%d" % self.loops
        o = self.rng.choice(self.objects)
        self.tags += 1
        return ("%svar %s = new Array();\n%svar %s = 0;\n%sfor (var %s in %s) {\n%s    %s[%s] = %s;\n"
                "%s    %s++;\n%s}\n%s%s.sort();\n%sout(%d, %s.join(\",\"));\n") % (
            indent, names, indent, count, indent, k, o, indent, names, count, k, indent, count, indent, indent,
            names, indent, self.tags, names)

    def array_work(self, indent):
        r = self.rng
        a = r.choice(self.arrays)
        self.tags += 1
        choice = r.randrange(3)
        if choice == 0:
            return "%s%s.reverse();\n" % (indent, a)
        if choice == 1:
            # Only whole numbers below a million: their text is the same in
            # both engines, so the default (text) order agrees.
            self.loops += 1
            t = "t%d" % self.loops
            values = [str(r.randrange(-50, 1000)) for _ in range(r.randrange(1, 7))]
            fill = "".join("%s%s[%d] = %s;\n" % (indent, t, i, v) for i, v in enumerate(values))
            how = r.choice(["", "byNumber"])
            return "%svar %s = new Array();\n%s%s%s.sort(%s);\n%sout(%d, %s.join(\"|\"));\n" % (
                indent, t, fill, indent, t, how, indent, self.tags, t)
        s = self.string()
        return "%sout(%d, %s.split(\",\").length);\n" % (indent, self.tags, s)

    def block(self, indent):
        return "".join(self.statement(indent) for _ in range(self.rng.randrange(1, 4)))

    def function(self, index):
        arity = self.rng.randrange(0, 3)
        params = ["x%d" % i for i in range(arity)]
        saved = self.numbers
        self.numbers = params + ["n0"] if params else ["n0"]
        body = "    var local = %s;\n" % self.number()
        body += "    if (%s) return local;\n" % self.boolean()
        body += "    return %s;\n" % self.number()
        self.numbers = saved
        name = "f%d" % index
        self.functions.append((name, arity))
        return "function %s(%s) {\n%s}\n" % (name, ", ".join(params), body)

    def program(self):
        text = OUT_FUNCTION
        text += "function byNumber(x, y) { return x - y; }\n"
        text += "function fact(n) { if (n <= 1) return 1; return n * fact(n - 1); }\n"
        text += "function count() { return arguments.length; }\n"
        text += "function Point(x, y) { this.x = x; this.y = y; }\n"
        text += "function getX() { return this.x; }\n"
        text += "function sum(x) { if (x <= 0) return 0; return x + sum(x - 1); }\n"
        for i in range(self.rng.randrange(0, 3)):
            text += self.function(i)
        for n in self.numbers:
            text += "var %s = %s;\n" % (n, self.number_literal())
        for s in self.strings:
            text += 'var %s = "%s";\n' % (s, self.rng.choice(STRING_POOL))
        for o in self.objects:
            text += "var %s = new Object();\n" % o
        for a in self.arrays:
            text += "var %s = new Array();\n" % a
        for _ in range(self.rng.randrange(4, 14)):
            text += self.statement("")
        return text


NUMBER_LINE = re.compile(r"^(\d+):number:(.*)$")


def format_number(text):
    """The peer's number text as our "%g" writes it."""
    if text in ("NaN", "Infinity", "-Infinity"):
        return text
    try:
        value = float(text)
    except ValueError:
        return text
    written = "%g" % value
    return "0" if written == "-0" else written


def normalise(output):
    lines = []
    for line in output.splitlines():
        match = NUMBER_LINE.match(line)
        if match:
            line = "%s:number:%s" % (match.group(1), format_number(match.group(2)))
        lines.append(line)
    return lines


def run(command, path):
    environment = dict(os.environ, TZ="UTC")
    try:
        done = subprocess.run(command + [path], capture_output=True, timeout=20, env=environment)
    except subprocess.TimeoutExpired:
        return None, "timeout"
    return done.returncode, done.stdout.decode("latin-1")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--corvel", required=True)
    parser.add_argument("--peer", default="duk")
    parser.add_argument("--programs", type=int, default=200)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--work", default="build/difftest")
    args = parser.parse_args()

    os.makedirs(args.work, exist_ok=True)
    ours_path = os.path.join(args.work, "program.js")
    peer_path = os.path.join(args.work, "program-peer.js")
    failures = 0
    errors = 0
    for index in range(args.programs):
        seed = args.seed * 1000003 + index
        program = Generator(random.Random(seed)).program()
        with open(ours_path, "w") as f:
            f.write(program)
        with open(peer_path, "w") as f:
            f.write(PEER_PRELUDE + program + PEER_EPILOGUE)
        our_status, ours = run([args.corvel, "--time-limit", "10"], ours_path)
        peer_status, theirs = run([args.peer], peer_path)
        ours_lines, their_lines = normalise(ours), normalise(theirs)
        if our_status != 0:
            errors += 1
            with open(os.path.join(args.work, "error-%d.js" % seed), "w") as f:
                f.write(program)
        if ours_lines != their_lines or (our_status == 0) != (peer_status == 0):
            failures += 1
            kept = os.path.join(args.work, "difference-%d.js" % seed)
            with open(kept, "w") as f:
                f.write(program)
            for ours_line, their_line in zip(ours_lines + ["<end>"], their_lines + ["<end>"]):
                if ours_line != their_line:
                    print("seed %d: corvel %r, peer %r (%s)" % (seed, ours_line, their_line, kept))
                    break
            else:
                print("seed %d: exit status %s against %s (%s)" % (seed, our_status, peer_status, kept))
    print("%d programs (%d ended in an error), %d with differences" % (args.programs, errors, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
