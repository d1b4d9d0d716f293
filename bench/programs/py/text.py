# text: see vbs/text.vbs. CPython extends s in place (+=) when it holds the only
# reference; the reading back uses find and slices.
import time
t0 = time.perf_counter()


def run():
    s = ""
    for i in range(1, 40001):
        s += str((i * 7919) % 10007) + ";"
    fields = 0
    total = 0
    p = 0
    q = s.find(";", p)
    while q >= 0:
        total += int(s[p:q])
        fields += 1
        p = q + 1
        q = s.find(";", p)
    sevens = 0
    for i in range(len(s)):
        if s[i] == "7":
            sevens += 1
    return "%d %d %d %d" % (len(s), fields, total, sevens)


print("text " + run())
print("time %.3f" % (time.perf_counter() - t0))
