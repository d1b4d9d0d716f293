-- plot: see vbs/plot.vbs (1,000,000 evaluations of F through a function).
local t0 = os.clock()
local function f(x)
  return math.sin(x) * math.sqrt(x * x + 1) / 3 + x / 5
end
local function run()
  local rows, crossings = 0, 0
  local before = f(-10)
  for i = 0, 999999 do
    local x = -10 + i * 0.00002
    local y = f(x)
    rows = rows + math.floor((y + 6) * 16)
    if (y < 0) ~= (before < 0) then crossings = crossings + 1 end
    before = y
  end
  return string.format("%d %d", rows, crossings)
end
print("plot " .. run())
print(string.format("time %.3f", os.clock() - t0))
