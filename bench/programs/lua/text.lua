-- text: see vbs/text.vbs. s = s .. v .. ";" copies s on every append, as
-- Lua strings are immutable; the reading back uses find and sub.
local t0 = os.clock()
local function run()
  local s = ""
  for i = 1, 40000 do
    s = s .. ((i * 7919) % 10007) .. ";"
  end
  local fields, total = 0, 0
  local p = 1
  local q = string.find(s, ";", p, true)
  while q do
    total = total + tonumber(string.sub(s, p, q - 1))
    fields = fields + 1
    p = q + 1
    q = string.find(s, ";", p, true)
  end
  local sevens = 0
  for i = 1, #s do
    if string.sub(s, i, i) == "7" then sevens = sevens + 1 end
  end
  return string.format("%d %d %d %d", #s, fields, total, sevens)
end
print("text " .. run())
print(string.format("time %.3f", os.clock() - t0))
