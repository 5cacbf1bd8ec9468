# Who made Korvanta and which version it is, in one place: the type library's
# help string, the add-in description, the version record, the About dialog,
# the installer packages and their signatures are all generated from these
# values (see dll/maker.h.in and packaging/).
set(KORVANTA_PRODUCT_NAME "Korvanta")
set(KORVANTA_MAKER_NAME   "Lin Haoran")
set(KORVANTA_MAKER_WEB    "http://korvanta.example.org/")
set(KORVANTA_MAKER_QQ     "281930476")
set(KORVANTA_MAKER_UC     "60417253")
set(KORVANTA_MAKER_MSN    "haoran@example.org")
# The version: four numbers for Windows (the version record's numeric fields and
# the packages' ProductVersion, of which Windows Installer compares the first
# three), and the text the version record shows.
set(KORVANTA_VERSION      "1.1.0.0")
set(KORVANTA_VERSION_TEXT "1.01")
string(REPLACE "." "," KORVANTA_VERSION_NUMBERS "${KORVANTA_VERSION}")
