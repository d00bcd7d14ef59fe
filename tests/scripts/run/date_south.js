// Local time in a southern daylight-saving zone (AEST-10AEDT,M10.1.0,M4.1.0):
// daylight time from the first Sunday of October to the first Sunday of
// April, across the new year, both days counted from 00:00 UTC.
function print(text) { Debug.trace(text + "\n"); }
function show(d) { print(d.toString() + " | " + d.toUTCString() + " | " + d.getTimezoneOffset()); }

show(new Date(0));
show(new Date(-1));
show(new Date(2021, 3, 3, 12));
show(new Date(2021, 3, 4, 12));
show(new Date(2021, 9, 2, 12));
show(new Date(2021, 9, 3, 12));
show(new Date(1999, 11, 31, 23, 59, 59));
show(new Date(99, 0));
show(new Date(2001, 13, 1));
show(new Date(2001, -1, 1));

// The offset on the first of every month.
var offsets = "";
for (var month = 0; month < 12; month++) offsets = offsets + new Date(2021, month, 1).getTimezoneOffset() + " ";
print(offsets);

// Local setters keep the local fields they are not given, across a change.
var d = new Date(2021, 8, 1, 10, 30);
d.setDate(20);
show(d);
d.setMonth(4, 30);
show(d);
d.setHours(0, 0, 0, 0);
show(d);
d.setFullYear(2024, 1, 29);
show(d);
