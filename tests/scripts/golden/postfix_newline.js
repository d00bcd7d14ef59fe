x
++y
