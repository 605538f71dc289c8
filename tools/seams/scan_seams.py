#!/usr/bin/env python3
"""The seams between the scripts of source/sc-hdr, read from their sources.

Lists every notification a script sends with a literal or named code
(sendNotify / sendNotifyByName, and the codes a clickable piece reports), the
script that receives it and whether that script's handlers mention the code;
and every game variable a script reads with getVar* (or a play plan waits on)
and whether some script writes it with setVar* (or a plan's task sets it).

It reads C++ with regular expressions, so it is a reader's aid, not a
proof: "no" rows are the ones to read by hand.  Usage:

    tools/seams/scan_seams.py [source/sc-hdr] [--markdown]
"""
import os
import re
import sys
from collections import defaultdict

# Objects whose script is not the one named like them.  The rest of the game's
# objects that scripts address by name carry the script of the same stem.
OBJECT_SCRIPTS = {
    "interface": "00_interface",
    "00_game_interface": "00_ginterface",
    "01_cam_move": "02_cam_move",
    "journal": "00_journal",
    "04_04_az_LazernajaPushka_mg": "04_minigame_21",
    "04_06_az_generator_koda_mg": "04_minigame_22",
    "05_01_az_zamok_mg": "05_minigame_24",
    "05_02_game_mg": "05_minigame_27",
    "04_02_az_exit_to_03_mg": "04_minigame_19",
}
# Object name patterns of the shared zone scripts.
OBJECT_PATTERNS = [
    (re.compile(r".*_msz$"), "00_move_side_zone"),
    (re.compile(r".*_npm$"), "00_near_plane_mini"),
]

# The helpers every framed mini-game shares: codes its frame handles for it.
FRAME_CODES = {1100, 1200, 1300, 1400, 1500, 2000, 2010}

# Receivers that take every code as data: a sound or voice id, an ambience.
TAKES_EVERY_CODE = {
    "00_movies": "a sound id",
    "00_sfx_env": "an ambience or volume",
}

SEND_BY_NAME = re.compile(r"sendNotifyByName\(\s*([^,]+?)\s*,\s*(.+?)\s*,\s*([^,()]+(?:\([^()]*\))?)\s*\)\s*;")
SEND = re.compile(r"(?<![A-Za-z_])sendNotify\(\s*([^,]+?)\s*,\s*([^,]+?)\s*,\s*(.+?)\s*\)\s*;")
PIECE = re.compile(r'CPieceScript\(\s*"([^"]*)"\s*,\s*(-?\d+)\s*,\s*"([^"]+)"\s*,\s*(\w+)\s*\)')
CONST = re.compile(r"(?:const\s+int|constexpr\s+int|static\s+const\s+int)\s+(\w+)\s*=\s*([^;]+);")
ENUM_ITEM = re.compile(r"\b(k\w+)\s*=\s*(\d+)\s*,")
STRING_CONST = re.compile(r'const\s+char\s*\*\s*const\s+(\w+)\s*=\s*"([^"]*)"\s*;')
HANDLE_ASSIGN = re.compile(
    r'(\w+)\s*=\s*(?:gApp\.findObjectHandle|findObjectHandle|Loc7Scene::find|CutScene::find|'
    r'ScriptObject::findHandle|getObjectHandle)\(\s*("[^"]+"|\w+)\s*\)')
GET_VAR = re.compile(r'getVar[ISF]\(\s*"([^"]+)"\s*\)')
SET_VAR = re.compile(r'setVar[ISF]\(\s*"([^"]+)"\s*,')
# The play plans write and wait on game variables through their tasks: the
# steps of a plan table (set, wait, helpCond) and the builders they stand for.
# Names that scripts build at run time and write through their helpers: the
# state of an object ("<object>@<key>", ScriptObject's object variables and
# the task engine's "@task<item>used") and a mini-game's saved array
# ("<loc>_<game>_variable_<n>" and "..._game_end").  A read of such a name
# with no literal writer is listed under the helper, not under nobody.
COMPUTED = [
    (re.compile(r"^[^@]+@\w+$"), "(object state, computed name)"),
    (re.compile(r"^\d+_\d+_variable_\w+$"), "(mini-game save, computed name)"),
]
PLAN_SET = re.compile(r'(?<![A-Za-z_:.])(?:set|taskAddSetParam)\(\s*"([^"]+)"\s*,')
PLAN_GET = re.compile(r'(?<![A-Za-z_:.])(?:wait|taskAddGetParam)\(\s*"([^"]+)"\s*,|'
                      r'(?<![A-Za-z_:.])(?:helpCond|taskHelpCond)\(\s*[^,]+,\s*"([^"]+)"\s*,')


def strip_comments(text):
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    return re.sub(r"//[^\n]*", "", text)


class Script:
    def __init__(self, stem):
        self.stem = stem
        self.files = []
        self.text = ""


def load_scripts(root):
    names = sorted(os.listdir(root))
    stems = [n[:-2] for n in names if n.endswith(".h")]
    stems_set = set(stems)
    scripts = {}
    for stem in stems:
        s = Script(stem)
        for n in names:
            if not n.endswith(".cpp"):
                continue
            base = n[:-4]
            # stem.cpp, and the stem_part.cpp files that have no header of
            # their own (one script split in several files).
            if base == stem or (base.startswith(stem + "_") and base not in stems_set and not any(
                    base.startswith(o + "_") and len(o) > len(stem) for o in stems_set)):
                s.files.append(os.path.join(root, n))
        s.files.append(os.path.join(root, stem + ".h"))
        s.text = "\n".join(strip_comments(open(f, encoding="utf-8", errors="replace").read()) for f in s.files)
        scripts[stem] = s
    return scripts


def constants(texts):
    values = {}
    for text in texts:
        for name, expr in CONST.findall(text):
            values.setdefault(name, expr.strip())
        for name, value in ENUM_ITEM.findall(text):
            values.setdefault(name, value)
    return values


# Constants of the shared helpers, for names qualified with their namespace.
QUALIFIED = {}


def evaluate(expr, values, depth=0):
    expr = expr.strip()
    expr = re.sub(r"\b(\w+)::(\w+)\b",
                  lambda m: QUALIFIED.get(m.group(1), {}).get(m.group(2), m.group(0)), expr)
    expr = re.sub(r"\b(MiniGame|sc_\w+|CPieceScript|Game|Panel)::", "", expr)
    expr = re.sub(r"\bstatic_cast<int>\((.*)\)", r"\1", expr)
    if depth > 5:
        return None

    def name(m):
        v = values.get(m.group(0))
        if v is None:
            raise KeyError(m.group(0))
        r = evaluate(v, values, depth + 1)
        if r is None:
            raise KeyError(m.group(0))
        return str(r)

    try:
        arithmetic = re.sub(r"\b[A-Za-z_]\w*\b", name, expr)
    except KeyError:
        return None
    if not re.fullmatch(r"[\d\s+\-*/()]+", arithmetic):
        return None
    try:
        return int(eval(arithmetic))  # digits and operators only
    except Exception:
        return None


def receiver_of(obj, scripts):
    if obj in OBJECT_SCRIPTS:
        return OBJECT_SCRIPTS[obj]
    for pattern, script in OBJECT_PATTERNS:
        if pattern.match(obj):
            return script
    if obj in scripts:
        return obj
    return None


def handled_codes(script, scripts, values):
    """The codes and ranges the script's handlers compare against."""
    text = script.text
    bases = re.findall(r"class\s+sc_\w+\s*:\s*([^{]+)\{", text)
    for base_list in bases:
        for base in re.findall(r"C?(\w+)", base_list):
            for cand in (base, base.lstrip("C")):
                if cand in scripts and cand != script.stem:
                    text += scripts[cand].text
    single = set()
    ranges = []
    for m in re.finditer(r"case\s+((?:[^:;{}]|::)+?):(?!:)", text):
        v = evaluate(m.group(1), values)
        if v is not None:
            single.add(v)
    for m in re.finditer(r"(?:==|!=)\s*([\w\s+\-*]+?)(?=[)&|;?]|$)", text, flags=re.M):
        v = evaluate(m.group(1), values)
        if v is not None:
            single.add(v)
    for m in re.finditer(r"(?:param|code|lparam|p|msg|id|c)\s*(>=|>)\s*([\w\s+\-]+?)\s*&&\s*"
                         r"(?:param|code|lparam|p|msg|id|c)\s*(<=|<)\s*([\w\s+\-]+?)\s*\)", text):
        lo = evaluate(m.group(2), values)
        hi = evaluate(m.group(4), values)
        if lo is not None and hi is not None:
            ranges.append((lo + (1 if m.group(1) == ">" else 0), hi - (1 if m.group(3) == "<" else 0)))
    for m in re.finditer(r"(?:param|code|lparam)\s*>=\s*(\d+)\s*\)", text):
        ranges.append((int(m.group(1)), 1 << 30))
    # Tables of steps: {code, ...} rows in the script's own arrays.
    for m in re.finditer(r"\{\s*(\d{3,5})\s*,", text):
        single.add(int(m.group(1)))
    # Id ranges given as {first, last} pairs (the dialog table).
    for m in re.finditer(r"\{\s*(\d{4})\s*,\s*(\d{4})\s*\}", text):
        lo, hi = int(m.group(1)), int(m.group(2))
        if lo <= hi:
            ranges.append((lo, hi))
    if "frameCode(" in text:
        single |= FRAME_CODES
    # "code < A || code >= B) return;": the codes from A to B - 1 go on.
    for m in re.finditer(r"(?:param|code|code_)\s*<\s*(\d+)\s*\|\|\s*(?:param|code|code_)\s*>=\s*(\d+)\s*\)", text):
        ranges.append((int(m.group(1)), int(m.group(2)) - 1))
    return single, ranges


def main():
    root = sys.argv[1] if len(sys.argv) > 1 and not sys.argv[1].startswith("--") else "source/sc-hdr"
    markdown = "--markdown" in sys.argv
    scripts = load_scripts(root)
    helper_texts = [s.text for s in scripts.values()]
    values = constants(helper_texts)
    for helper in ("MiniGame", "PieceScript", "CutScene", "Puzzle"):
        if helper in scripts:
            QUALIFIED[helper] = constants([scripts[helper].text])

    rows = []
    for stem, s in sorted(scripts.items()):
        own = constants([s.text])
        local = dict(values)
        local.update(own)
        strings = dict(STRING_CONST.findall(s.text))
        handles = {}
        for var, arg in HANDLE_ASSIGN.findall(s.text):
            name = arg.strip('"') if arg.startswith('"') else strings.get(arg)
            if name:
                handles.setdefault(var, name)
        for m in SEND_BY_NAME.finditer(s.text):
            target, code_expr = m.group(1), m.group(2)
            obj = target.strip('"') if target.startswith('"') else strings.get(target.strip())
            code = evaluate(code_expr, local)
            if code is None or obj is None:
                continue
            rows.append((stem, code, obj))
        for m in SEND.finditer(s.text):
            target, code_expr = m.group(1).strip(), m.group(3)
            code = evaluate(code_expr, local)
            if code is None:
                continue
            obj = handles.get(target)
            inline = re.match(r'(?:gApp\.findObjectHandle|findObjectHandle|\w+::find)\(\s*"([^"]+)"\s*\)', target)
            if inline:
                obj = inline.group(1)
            elif target in ("getOwner()", "mOwner", "owner", "self"):
                obj = stem
            if obj is None:
                obj = "(" + target + ")"
            rows.append((stem, code, obj))
        for prefix, shift, target, codes in PIECE.findall(s.text):
            bases = {"kStandard": (10000, 20000, 30000, 40000)}.get(codes)
            if bases is None:
                block = re.search(codes + r"\s*=\s*\{([^}]*)\}", "\n".join(helper_texts))
                bases = tuple(int(x) for x in re.findall(r"\d+", block.group(1))) if block else ()
            for base in bases:
                if base:
                    rows.append((stem, "%d+N" % base, target))

    table = []
    for sender, code, obj in rows:
        receiver = receiver_of(obj, scripts) if not obj.startswith("(") else None
        if receiver is None:
            handled = "?"
            shown_receiver = obj + (" (no script found)" if not obj.startswith("(") else " (handle)")
        elif receiver in TAKES_EVERY_CODE:
            handled = "yes (%s)" % TAKES_EVERY_CODE[receiver]
            shown_receiver = obj
        else:
            single, ranges = handled_codes(scripts[receiver], scripts, values)
            if isinstance(code, str):
                base = int(code.split("+")[0])
                ok = any(lo <= base + 1 and base + 1 <= hi for lo, hi in ranges) or any(
                    base <= c < base + 10000 for c in single)
            else:
                ok = code in single or any(lo <= code <= hi for lo, hi in ranges)
            handled = "yes" if ok else "no"
            if not ok and isinstance(code, str):
                handled = "no (event unused)"
            shown_receiver = obj if obj == receiver else "%s (%s)" % (obj, receiver)
        table.append((sender, str(code), shown_receiver, handled))
    table = sorted(set(table))

    # Game variables waited on and written.
    reads = defaultdict(set)
    writes = defaultdict(set)
    for stem, s in scripts.items():
        for var in GET_VAR.findall(s.text):
            reads[var].add(stem)
        for var in SET_VAR.findall(s.text) + PLAN_SET.findall(s.text):
            writes[var].add(stem)
        for waited, condition in PLAN_GET.findall(s.text):
            reads[waited or condition].add(stem)

    def writers(var, sep):
        if var in writes:
            return sep.join(sorted(writes[var]))
        for pattern, helper in COMPUTED:
            if pattern.match(var):
                return helper
        return None

    out = []
    if markdown:
        out.append("## Notification codes\n")
        out.append("| sender | code | receiver | handled |")
        out.append("|---|---|---|---|")
        for row in table:
            out.append("| %s | %s | %s | %s |" % row)
        out.append("\n## Game variables read (getVar*) and who writes them (setVar*)\n")
        out.append("| variable | read by | written by |")
        out.append("|---|---|---|")
        for var in sorted(reads):
            out.append("| %s | %s | %s |" % (var, ", ".join(sorted(reads[var])), writers(var, ", ") or "**nobody**"))
    else:
        for row in table:
            out.append("\t".join(row))
        for var in sorted(reads):
            out.append("var\t%s\t%s\t%s" % (var, ",".join(sorted(reads[var])), writers(var, ",") or "NOBODY"))
    counts = defaultdict(int)
    for row in table:
        counts[row[3].split(" ")[0]] += 1
    unwritten = [v for v in reads if writers(v, ",") is None]
    out.append("")
    out.append("Sends: %d (handled yes %d, no %d, receiver unknown %d); variables read: %d, written by nobody: %d" %
               (len(table), counts["yes"], counts["no"], counts["?"], len(reads), len(unwritten)))
    print("\n".join(out))


if __name__ == "__main__":
    main()
