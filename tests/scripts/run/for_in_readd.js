// A for-in loop whose body deletes the property it visits and adds it back
// visits every name once and ends; names added meanwhile are not visited.
var o = new Object();
o.a = 1; o.b = 2; o.c = 3;
var visits = 0;
for (var k in o) {
    delete o[k];
    o[k] = visits;
    o["added" + visits] = true;
    visits++;
    if (visits > 100) break;
}
Debug.trace(visits + "\n");
var names = "";
for (k in o) names = names + k + " ";
Debug.trace(names + "\n");
