// A first script: corvel --format writes it back as indented source.
function greet(name, times) {
    var text = "Hello, " + name + "!";
    for (var i = 0; i < times; i++) {
        Debug.trace(text)
    }
    return text.length
}

var count = greet("world", 3);
if (count > 10) { count = 10 } else { count = 0 }
while (count > 0) { count-- }
