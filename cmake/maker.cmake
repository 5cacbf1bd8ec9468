# Who made Korvanta, in one place: the type library's help string, the add-in
# description, the version record and the About dialog are all generated from
# these values (see addin/maker.h.in).
set(KORVANTA_MAKER_NAME   "Lin Haoran")
set(KORVANTA_MAKER_WEB    "http://korvanta.example.org/")
set(KORVANTA_MAKER_QQ     "281930476")
set(KORVANTA_MAKER_UC     "60417253")
set(KORVANTA_MAKER_MSN    "haoran@example.org")
