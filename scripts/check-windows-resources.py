#!/usr/bin/env python3
"""Checks the resources compiled into QUINTARO.EXE against what the program
and its users rely on: both dialog templates item by item, the strings, the
icon and bitmap formats (and that they are the committed images), and the
version block. Reads the exe's resource section itself, so it checks the
bytes Windows will load.

Usage: check-windows-resources.py QUINTARO.EXE RESOURCES_DIR
Prints every difference and exits 1 if there is any.
"""
import struct
import sys

RT_BITMAP, RT_ICON, RT_DIALOG, RT_STRING, RT_GROUP_ICON, RT_VERSION = 2, 3, 5, 6, 14, 16
ITALIAN = 0x0410
BUTTON, EDIT, STATIC = 0x80, 0x81, 0x82

# IDD_MAIN, template order: class, id, text, x, y, w, h, style.
LABEL, BOX, FRAME = 0x50020000, 0x50810080, 0x50000007
MAIN_ITEMS = [
    (BUTTON, 1, "OK", 225, 235, 75, 14, 0x50010001),
    (EDIT, 1000, "", 17, 15, 40, 14, BOX),
    (STATIC, -1, "T*", 61, 18, 8, 8, LABEL),
    (EDIT, 1001, "", 17, 68, 40, 14, BOX),
    (STATIC, -1, "fqmin", 60, 71, 18, 8, LABEL),
    (EDIT, 1002, "", 87, 69, 40, 14, BOX),
    (STATIC, -1, "fqmax", 132, 71, 20, 8, LABEL),
    (EDIT, 1003, "", 17, 92, 40, 14, BOX),
    (STATIC, -1, "fkmin", 60, 95, 18, 8, LABEL),
    (EDIT, 1004, "", 87, 93, 40, 14, BOX),
    (STATIC, -1, "fkmax", 132, 95, 20, 8, LABEL),
    (EDIT, 1005, "", 17, 116, 40, 14, BOX),
    (STATIC, -1, "fmmin", 60, 119, 19, 8, LABEL),
    (EDIT, 1006, "", 87, 117, 40, 14, BOX),
    (STATIC, -1, "fmmax", 132, 119, 21, 8, LABEL),
    (BUTTON, -1, "Fattori di errore", 7, 54, 182, 94, FRAME),
    (BUTTON, -1, "Valori nominali", 7, 4, 335, 49, FRAME),
    (BUTTON, 1007, "Spettro EC8 tipo 1", 33, 161, 73, 10, 0x50020009),
    (BUTTON, 1008, "Spettro EC8 tipo 2", 33, 177, 73, 10, 0x50000009),
    (BUTTON, -1, "Spettro", 7, 152, 182, 41, FRAME),
    (BUTTON, 1009, "Calcola fattori di errore", 225, 215, 75, 14, 0x50010000),
    (BUTTON, 1010, "Suolo tipo A", 32, 210, 54, 10, 0x50020009),
    (BUTTON, 1011, "Suolo tipo B", 32, 225, 54, 10, 0x50000009),
    (BUTTON, 1012, "Suolo tipo C", 32, 240, 54, 10, 0x50000009),
    (BUTTON, 1013, "Suolo tipo D", 32, 255, 55, 10, 0x50000009),
    (BUTTON, 1014, "Suolo tipo E", 32, 270, 54, 10, 0x50000009),
    (BUTTON, -1, "Tipo di suolo", 7, 196, 182, 88, FRAME),
    (EDIT, 1015, "", 17, 33, 40, 14, BOX),
    (STATIC, -1, "q*", 61, 35, 8, 8, LABEL),
    (EDIT, 1016, "", 206, 69, 40, 14, BOX),
    (STATIC, -1, "Spostamento (min)", 251, 72, 59, 8, LABEL),
    (EDIT, 1017, "", 206, 109, 40, 14, BOX),
    (STATIC, -1, "Forza richiamo (min)", 251, 111, 63, 8, LABEL),
    (BUTTON, -1, "Fattori di errore corrispondenti", 193, 55, 149, 95, FRAME),
    (EDIT, 1018, "", 206, 89, 40, 14, BOX),
    (STATIC, -1, "Spostamento (max)", 251, 93, 61, 8, LABEL),
    (EDIT, 1019, "", 206, 129, 40, 14, BOX),
    (STATIC, -1, "Forza richiamo (max)", 250, 132, 65, 8, LABEL),
    (STATIC, -1, 129, 239, 166, 32, 30, 0x5000000E),
    (STATIC, -1, "Periodo", 77, 19, 25, 8, LABEL),
    (STATIC, -1, "Fattore di struttura", 77, 35, 58, 8, LABEL),
    (EDIT, 1020, "", 160, 17, 40, 14, BOX),
    (STATIC, -1, "Ag in unit\u00e0 g (per esempio 0.35)", 208, 19, 100, 8, LABEL),
]

# IDD_ABOUT: the legal notice and the credit are ours to choose; only their
# place and style are fixed, and they must not be empty.
ANY_TEXT = object()
ABOUT_ITEMS = [
    (STATIC, -1, 128, 11, 17, 20, 20, 0x50000003),
    (STATIC, -1, "Kalto Versione 1.0", 40, 10, 119, 8, 0x50020080),
    (STATIC, -1, ANY_TEXT, 40, 26, 166, 8, 0x50020000),
    (BUTTON, 1, "OK", 178, 7, 50, 14, 0x50030001),
    (STATIC, -1, ANY_TEXT, 40, 42, 81, 8, 0x50020000),
]

STRINGS = {
    101: "Infor&mazioni su QUINTARO...",
    0xF107: "Impossibile avviare la Guida.",
    0xF108: "Errore interno dell'applicazione.",
    0xF10A: "Memoria insufficiente.",
    0xF111: "Digitare un numero.",
    0xF113: "Digitare un numero compreso tra %1 e %2.",
}

VERSION_STRINGS = {
    "CompanyName": "",
    "FileDescription": "QUINTARO Applicazione MFC",
    "FileVersion": "1, 0, 0, 1",
    "InternalName": "QUINTARO",
    "LegalTrademarks": "",
    "OriginalFilename": "QUINTARO.EXE",
    "ProductName": "QUINTARO Applicazione",
    "ProductVersion": "1, 0, 0, 1",
}

errors = []


def expect(what, got, want):
    if got != want:
        errors.append(f"{what}: got {got!r}, want {want!r}")


# --- the exe's resource tree ------------------------------------------------

def read_resources(exe):
    """{(type, name): (language, bytes)} for every resource of the exe."""
    pe = struct.unpack_from("<I", exe, 0x3C)[0]
    if exe[pe:pe + 4] != b"PE\0\0":
        raise SystemExit("not a PE file")
    sections, opt_size = struct.unpack_from("<H12xH", exe, pe + 6)
    opt = pe + 24
    magic = struct.unpack_from("<H", exe, opt)[0]
    dirs = opt + (112 if magic == 0x20B else 96)
    rsrc_rva = struct.unpack_from("<I", exe, dirs + 2 * 8)[0]
    table = opt + opt_size
    spans = []
    for i in range(sections):
        vsize, va, rawsize, rawptr = struct.unpack_from("<IIII", exe, table + 40 * i + 8)
        spans.append((va, max(vsize, rawsize), rawptr))

    def at(rva):
        for va, size, raw in spans:
            if va <= rva < va + size:
                return rva - va + raw
        raise SystemExit(f"rva {rva:#x} outside every section")

    base = at(rsrc_rva)

    def entries(offset):
        named, ids = struct.unpack_from("<12xHH", exe, base + offset)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", exe, base + offset + 16 + 8 * i)
            if name & 0x80000000:
                length = struct.unpack_from("<H", exe, base + (name & 0x7FFFFFFF))[0]
                start = base + (name & 0x7FFFFFFF) + 2
                name = exe[start:start + 2 * length].decode("utf-16-le")
            yield name, target

    found = {}
    for rtype, t in entries(0):
        for rname, n in entries(t & 0x7FFFFFFF):
            for lang, leaf in entries(n & 0x7FFFFFFF):
                data_rva, size = struct.unpack_from("<II", exe, base + leaf)
                found[(rtype, rname, lang)] = exe[at(data_rva):at(data_rva) + size]
    return found


# --- dialog templates -------------------------------------------------------

class Reader:
    def __init__(self, data, pos=0):
        self.data, self.pos = data, pos

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def sz(self):
        end = self.pos
        while self.data[end:end + 2] != b"\0\0":
            end += 2
        text = self.data[self.pos:end].decode("utf-16-le")
        self.pos = end + 2
        return text

    def sz_or_ord(self):
        if self.take("H") == 0xFFFF:
            return self.take("H")
        self.pos -= 2
        return self.sz()

    def align(self):
        self.pos = (self.pos + 3) & ~3


def signed(value, bits):
    return value - (1 << bits) if value >> (bits - 1) else value


def read_dialog(data):
    r = Reader(data)
    extended = data[2:4] == b"\xff\xff"
    d = {}
    if extended:
        _, _, d["helpid"], d["exstyle"], d["style"], count = r.take("HHIIIH")
    else:
        d["style"], d["exstyle"], count = r.take("IIH")
    d["rect"] = r.take("hhhh")
    d["menu"], d["class"], d["caption"] = r.sz_or_ord(), r.sz_or_ord(), r.sz()
    if extended:
        d["font"] = (r.take("H"), r.take("H"), r.take("B"), r.take("B"), r.sz())
    else:
        d["font"] = (r.take("H"), r.sz())
    d["items"] = []
    for _ in range(count):
        r.align()
        if extended:
            helpid, exstyle, style, x, y, w, h, ident = r.take("IIIhhhhI")
            ident = signed(ident, 32)
        else:
            style, exstyle, x, y, w, h, ident = r.take("IIhhhhH")
            helpid, ident = 0, signed(ident, 16)
        cls, text = r.sz_or_ord(), r.sz_or_ord()
        extra = r.take("H")
        r.pos += extra  # creation data, none in our templates
        d["items"].append({"class": cls, "id": ident, "text": text, "rect": (x, y, w, h),
                           "style": style, "exstyle": exstyle, "helpid": helpid})
    return d


def check_items(name, items, want):
    expect(f"{name} item count", len(items), len(want))
    for i, (item, (cls, ident, text, x, y, w, h, style)) in enumerate(zip(items, want)):
        where = f"{name} item {i} ({text if isinstance(text, str) else ident})"
        expect(f"{where} class", item["class"], cls)
        expect(f"{where} id", item["id"], ident)
        if text is ANY_TEXT:
            if not isinstance(item["text"], str) or not item["text"].strip():
                errors.append(f"{where}: text is empty")
        else:
            expect(f"{where} text", item["text"], text)
        expect(f"{where} position", item["rect"], (x, y, w, h))
        expect(f"{where} style", hex(item["style"]), hex(style))
        expect(f"{where} extended style", item["exstyle"], 0)
        expect(f"{where} help id", item["helpid"], 0)


def check_dialogs(res):
    main = read_dialog(res[(RT_DIALOG, 102)])
    expect("IDD_MAIN style", hex(main["style"]), hex(0x90C800C0))
    expect("IDD_MAIN extended style", hex(main["exstyle"]), hex(0x00040000))
    expect("IDD_MAIN help id", main["helpid"], 0)
    expect("IDD_MAIN rectangle", main["rect"], (0, 0, 349, 291))
    expect("IDD_MAIN menu and class", (main["menu"], main["class"]), ("", ""))
    expect("IDD_MAIN caption", main["caption"], "Kalto - Ombreno srl")
    expect("IDD_MAIN font", main["font"], (8, 0, 0, 1, "MS Sans Serif"))
    check_items("IDD_MAIN", main["items"], MAIN_ITEMS)

    about = read_dialog(res[(RT_DIALOG, 100)])
    expect("IDD_ABOUT is a plain template", res[(RT_DIALOG, 100)][2:4] != b"\xff\xff", True)
    expect("IDD_ABOUT style", hex(about["style"]), hex(0x80C800C0))
    expect("IDD_ABOUT extended style", about["exstyle"], 0)
    expect("IDD_ABOUT rectangle", about["rect"], (0, 0, 235, 66))
    expect("IDD_ABOUT menu and class", (about["menu"], about["class"]), ("", ""))
    expect("IDD_ABOUT caption", about["caption"], "Informazioni su Kalto (Nevaro)")
    expect("IDD_ABOUT font", about["font"], (8, "MS Sans Serif"))
    check_items("IDD_ABOUT", about["items"], ABOUT_ITEMS)


# --- strings, images, version -----------------------------------------------

def check_strings(res):
    for ident, text in STRINGS.items():
        block = res.get((RT_STRING, ident // 16 + 1))
        if block is None:
            errors.append(f"string {ident:#x}: block missing")
            continue
        r = Reader(block)
        for _ in range(ident % 16):
            skipped = r.take("H")
            r.pos += 2 * skipped
        length = r.take("H")
        expect(f"string {ident:#x}", block[r.pos:r.pos + 2 * length].decode("utf-16-le"), text)


def dib_header(data):
    # width, height, planes, bit count
    return struct.unpack_from("<IiiHH", data, 0)


def check_images(res, resources_dir):
    group = res[(RT_GROUP_ICON, 128)]
    _, kind, count = struct.unpack_from("<HHH", group, 0)
    expect("icon group type and count", (kind, count), (1, 2))
    sizes = []
    for i in range(count):
        w, h, colours, _, planes, bits, size, ident = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        sizes.append(w)
        expect(f"icon {w}x{h} directory entry", (h, colours, planes, bits), (w, 16, 1, 4))
        image = res[(RT_ICON, ident)]
        expect(f"icon {w}x{h} image header", dib_header(image), (40, w, 2 * w, 1, 4))
        expect(f"icon {w}x{h} size", len(image), size)
        mask = image[len(image) - (((w + 31) // 32) * 4) * w:]
        expect(f"icon {w}x{h} is opaque (mask all zero)", mask.count(0), len(mask))
    expect("icon image sizes", sizes, [32, 16])

    bitmap = res[(RT_BITMAP, 129)]
    expect("bitmap 129 header", dib_header(bitmap), (40, 48, 48, 1, 4))
    with open(f"{resources_dir}/spectrum.bmp", "rb") as f:
        expect("bitmap 129 is spectrum.bmp", bitmap == f.read()[14:], True)
    with open(f"{resources_dir}/quintaro.ico", "rb") as f:
        ico = f.read()
    for i in range(2):
        size, offset = struct.unpack_from("<II", ico, 6 + 16 * i + 8)
        expect(f"icon image {i + 1} is quintaro.ico's", res[(RT_ICON, i + 1)] == ico[offset:offset + size], True)


def version_nodes(data, pos, end):
    """(key, value bytes, is text, children range) of each node in [pos, end)."""
    while pos < end:
        length, value_length, is_text = struct.unpack_from("<HHH", data, pos)
        r = Reader(data, pos + 6)
        key = r.sz()
        r.align()
        value_size = value_length * 2 if is_text else value_length
        value = data[r.pos:r.pos + value_size]
        r.pos += value_size
        r.align()
        yield key, value, is_text, (r.pos, pos + length)
        pos = (pos + length + 3) & ~3


def check_version(res):
    data = res[(RT_VERSION, 1)]
    (key, fixed, _, (child, end)), = version_nodes(data, 0, struct.unpack_from("<H", data, 0)[0])
    expect("version root key", key, "VS_VERSION_INFO")
    f = struct.unpack("<13I", fixed)
    expect("fixed file info signature", hex(f[0]), hex(0xFEEF04BD))
    expect("file version", (f[2], f[3]), (0x00010000, 0x00000001))
    expect("product version", (f[4], f[5]), (0x00010000, 0x00000001))
    expect("flags mask, flags", (f[6], f[7]), (0x3F, 0))
    expect("os, type, subtype", (f[8], f[9], f[10]), (4, 1, 0))
    seen_strings, translation = {}, None
    for key, _, _, (c, e) in version_nodes(data, child, end):
        for block, block_value, _, (bc, be) in version_nodes(data, c, e):
            if key == "StringFileInfo":
                expect("string block", block, "041004B0")
                for name, value, _, _ in version_nodes(data, bc, be):
                    seen_strings[name] = value.decode("utf-16-le").rstrip("\0")
            elif key == "VarFileInfo" and block == "Translation":
                translation = struct.unpack("<HH", block_value)
    expect("version strings", seen_strings, VERSION_STRINGS)
    expect("translation", translation, (0x0410, 1200))


def main():
    exe_path, resources_dir = sys.argv[1], sys.argv[2]
    with open(exe_path, "rb") as f:
        found = read_resources(f.read())
    res = {}
    for (rtype, name, lang), data in found.items():
        expect(f"language of resource {rtype}/{name}", hex(lang), hex(ITALIAN))
        res[(rtype, name)] = data
    check_dialogs(res)
    check_strings(res)
    check_images(res, resources_dir)
    check_version(res)
    for e in errors:
        print("resource check:", e)
    if errors:
        sys.exit(1)
    print(f"resource check: {len(MAIN_ITEMS)} + {len(ABOUT_ITEMS)} dialog items, "
          f"{len(STRINGS)} strings, icon, bitmap and version block as expected")


if __name__ == "__main__":
    main()
