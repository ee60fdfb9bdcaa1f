# Writes today's date, as the program writes it, followed by CR LF.
string(TIMESTAMP today "%Y-%m-%d")
file(WRITE ${OUT} "${today}\r\n")
