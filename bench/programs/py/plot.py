# plot: see vbs/plot.vbs (1,000,000 evaluations of f through a function).
import math
import time
t0 = time.perf_counter()


def f(x):
    return math.sin(x) * math.sqrt(x * x + 1) / 3 + x / 5


def run():
    rows = 0
    crossings = 0
    before = f(-10)
    for i in range(1000000):
        x = -10 + i * 0.00002
        y = f(x)
        rows += math.floor((y + 6) * 16)
        if (y < 0) != (before < 0):
            crossings += 1
        before = y
    return "%d %d" % (rows, crossings)


print("plot " + run())
print("time %.3f" % (time.perf_counter() - t0))
