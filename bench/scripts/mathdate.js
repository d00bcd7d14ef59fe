// Math and Date calls in a loop (dates in UTC fields only, so the result does
// not depend on the time zone).
// expect 60000: 757585
// expect 100: 33292
var size = 60000;
var total = 0;
for (var i = 0; i < size; i++) {
    var x = i * 0.37 + 1;
    total += Math.floor(Math.sqrt(x) * 10) + Math.ceil(Math.log(x)) + Math.abs(Math.round(Math.sin(x) * 50));
    total += Math.max(i % 17, i % 13) - Math.min(i % 5, 3) + Math.pow(2, i % 10) + Math.floor(Math.atan2(i % 7, 3) * 10);
    var d = new Date(i * 86400000 * 2 + i * 3723000);
    total += d.getUTCFullYear() % 100 + d.getUTCMonth() + d.getUTCDate() + d.getUTCDay() + d.getUTCHours() + d.getUTCMinutes();
    d.setUTCHours(i % 24);
    total += d.getUTCHours() + d.getTime() % 1000;
    total = total % 1000000;
}
Debug.trace(total + "\n");
