// Dates in UTC: the text pattern, fields of dates before 1970, invalid
// dates, and a date function called on something that is not a date.
function print(text) { Debug.trace(text + "\n"); }
function fields(d) {
    return d.getFullYear() + "-" + d.getMonth() + "-" + d.getDate() + " day " + d.getDay() + " " +
        d.getHours() + ":" + d.getMinutes() + ":" + d.getSeconds() + "." + d.getMilliseconds();
}

print(new Date(0).toUTCString());
print(new Date(0));
print(new Date(1004572800000).toGMTString());
print(new Date(2001, 11, 25, 7, 8, 9).toLocaleString());
print(new Date(100, 0));

// Before 1970 every field stays in its range.
print(fields(new Date(-1)));
print(fields(new Date(-86400001)));
print(fields(new Date(1900, 1, 28, 23, 59, 59, 999)));
print(fields(new Date(1900, 1, 29)));
print(fields(new Date(2000, 1, 29)));

// Text is not read, and what cannot be a date is invalid.
print(new Date("Thu Jan 1  00:00:00 1970").getTime() + " " + new Date(1, "x").getTime());
var invalid = new Date(8.64e15 + 1);
print(invalid + " | " + invalid.toUTCString() + " | " + invalid.getDate() + " | " + invalid.setHours(1));
print(invalid.setTime(0) + " " + invalid);

var notADate = new Object();
notADate.getTime = Date.prototype.getTime;
print("before");
notADate.getTime();
print("not reached");
