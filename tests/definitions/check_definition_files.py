#!/usr/bin/env python3
"""Reads back the definition files the build wrote for every map, with readers of its own
(Python's XML parser and a small .ins reader), and checks that each gives exactly the names,
banks and programs of the name table data and the kit names.

usage: check_definition_files.py DATA_FOLDER KIT_NAMES_SOURCE FILES_FOLDER
Prints the size and counts of every file; exit status 1 on the first difference found.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

# family, map index, model name, file stem
MAPS = [
    ("GS", 4, "SC-8850 (Tonalyx)", "Tonalyx-SC-8850"),
    ("GS", 3, "SC-88Pro (Tonalyx)", "Tonalyx-SC-88Pro"),
    ("GS", 2, "SC-88 (Tonalyx)", "Tonalyx-SC-88"),
    ("GS", 1, "SC-55 (Tonalyx)", "Tonalyx-SC-55"),
    ("GS", 0, "TG-300B GS (Tonalyx)", "Tonalyx-TG-300B"),
    ("XG", 0, "MU1000/2000 (Tonalyx)", "Tonalyx-MU1000-2000"),
    ("XG", 1, "MU128 (Tonalyx)", "Tonalyx-MU128"),
    ("XG", 2, "MU100 (Tonalyx)", "Tonalyx-MU100"),
    ("XG", 3, "MU90 (Tonalyx)", "Tonalyx-MU90"),
    ("XG", 4, "MU80 (Tonalyx)", "Tonalyx-MU80"),
    ("XG", 5, "XG (Tonalyx)", "Tonalyx-XG"),
]
MIDNAM_DOCTYPE = ('<!DOCTYPE MIDINameDocument PUBLIC "-//MIDI Manufacturers Association//DTD '
                  'MIDINameDocument 1.0//EN" "http://www.midi.org/dtds/MIDINameDocument10.dtd">')


class Mismatch(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Mismatch(message)


def read_tsv(path):
    """Rows of a table file as lists of fields; names keep every blank."""
    with open(path, encoding="ascii", newline="") as f:
        lines = f.read().split("\n")
    return [line.split("\t") for line in lines[1:] if line]


def kit_names(source):
    text = open(source, encoding="utf-8").read()
    tables = {}
    for family, array in (("GS", "kGsKits"), ("XG", "kXgKits")):
        body = re.search(array + r"\[\] = \{(.*?)\n\};", text, re.S).group(1)
        tables[family] = {int(k): n for k, n in re.findall(r'\{(\d+), "([^"]*)"\}', body)}
    return tables


def expected_content(data, kits, family, index):
    """(tones, kits): tones {(msb, lsb, program): name}; kits {(msb, lsb, program): (name, notes)}."""
    tones, drums = {}, {}
    if family == "GS":
        for m, bank, program, name in read_tsv(os.path.join(data, "gs_tones.tsv")):
            if int(m) == index:
                tones[(int(bank), index, int(program))] = name
        for m, kit, note, name in read_tsv(os.path.join(data, "gs_drums.tsv")):
            if int(m) == index:
                drums.setdefault(int(kit), {})[int(note)] = name
        bank = (0, index)
    else:
        for m, bank, program, name in read_tsv(os.path.join(data, "xg_tones.tsv")):
            if int(m) == index:
                tones[(0, int(bank), int(program))] = name
        for kit, note, name in read_tsv(os.path.join(data, "xg_drums.tsv")):
            drums.setdefault(int(kit), {})[int(note)] = name
        bank = (127, 0)
    named_kits = {bank + (kit,): (kits[family][kit], notes)
                  for kit, notes in drums.items() if kits[family].get(kit)}
    return tones, named_kits


def put(table, key, value, what):
    check(key not in table, "%s %s given twice" % (what, key))
    table[key] = value


def read_midnam(raw):
    check(raw.startswith(b'<?xml version="1.0" encoding="UTF-8"?>\n' + MIDNAM_DOCTYPE.encode()),
          "no UTF-8 declaration and MMA document type")
    root = ET.fromstring(raw)
    check(root.tag == "MIDINameDocument", "root is " + root.tag)
    device = root.find("MasterDeviceNames")
    models = [m.text for m in device.findall("Model")]
    assignment = {int(a.get("Channel")): a.get("NameSet")
                  for a in device.iter("ChannelNameSetAssign")}
    check(sorted(assignment) == list(range(1, 17)), "not every channel has a name set")
    sets = {s.get("Name"): s for s in device.findall("ChannelNameSet")}
    note_lists = {}
    for notes in device.findall("NoteNameList"):
        put(note_lists, notes.get("Name"),
            {int(n.get("Number")): n.get("Name") for n in notes.findall("Note")}, "note list")

    def patches(name_set, channel):
        check(name_set.find("AvailableForChannels/AvailableChannel[@Channel='%d']" % channel)
              .get("Available") == "true", "name set not available on its channel")
        for bank in name_set.findall("PatchBank"):
            commands = {int(c.get("Control")): int(c.get("Value"))
                        for c in bank.findall("MIDICommands/ControlChange")}
            for patch in bank.findall("PatchNameList/Patch"):
                yield (commands[0], commands[32], int(patch.get("ProgramChange"))), patch

    tones, kits = {}, {}
    for key, patch in patches(sets[assignment[1]], 1):
        put(tones, key, patch.get("Name"), "tone")
    for key, patch in patches(sets[assignment[10]], 10):
        notes = note_lists[patch.find("UsesNoteNameList").get("Name")]
        put(kits, key, (patch.get("Name"), notes), "kit")
    check(all(assignment[c] == assignment[1] for c in range(1, 17) if c != 10),
          "channels other than 10 differ")
    return models, tones, kits


def read_ins(raw):
    check(all(b < 0x80 for b in raw), "not ASCII")
    check(raw.endswith(b"\r\n") and raw.count(b"\n") == raw.count(b"\r\n"), "not CRLF")
    sections, order, current, entries = {}, [], None, None
    for line in raw.decode("ascii").split("\r\n"):
        if not line or line.startswith(";"):
            continue
        if line.startswith("."):
            current = sections.setdefault(line, {})
            order.append(line)
        elif line.startswith("[") and line.endswith("]"):
            entries = {}
            put(current, line[1:-1], entries, "list")
        else:
            key, value = line.split("=", 1)
            put(entries, key, value, "entry")
    check(order == [".Patch Names", ".Note Names", ".Instrument Definitions"],
          "sections %s" % order)
    patch_lists, note_lists = sections[".Patch Names"], sections[".Note Names"]
    instruments = sections[".Instrument Definitions"]
    check(len(instruments) == 2, "instruments %s" % list(instruments))
    tone_name, drum_name = sorted(instruments, key=len)
    check(drum_name == tone_name + " Drums", "instruments %s" % list(instruments))

    def banks(instrument):
        for key, value in instrument.items():
            match = re.fullmatch(r"Patch\[(\d+)\]", key)
            if match:
                bank = int(match.group(1))
                for program, name in patch_lists[value].items():
                    yield (bank >> 7, bank & 127, int(program)), name

    tones = {}
    for key, name in banks(instruments[tone_name]):
        put(tones, key, name, "tone")
    check(instruments[tone_name]["BankSelMethod"] == "0", "bank select not MSB and LSB")
    drums = instruments[drum_name]
    kit_names = dict(banks(drums))
    kits = {}
    for key, value in drums.items():
        match = re.fullmatch(r"Drum\[(\d+),(\d+)\]", key)
        if match:
            check(value == "1", key + " not 1")
            bank, program = int(match.group(1)), int(match.group(2))
            notes = note_lists[drums["Key[%d,%d]" % (bank, program)]]
            put(kits, (bank >> 7, bank & 127, program),
                (kit_names[(bank >> 7, bank & 127, program)],
                 {int(n): name for n, name in notes.items()}), "kit")
    return [tone_name], tones, kits


def read_domino(raw):
    declaration = b'<?xml version="1.0" encoding="Shift_JIS"?>\r\n'
    check(raw.startswith(declaration), "no Shift_JIS declaration")
    check(raw.count(b"\n") == raw.count(b"\r\n"), "not CRLF")
    root = ET.fromstring(raw[len(declaration):].decode("shift_jis"))
    check(root.tag == "ModuleData", "root is " + root.tag)

    def entries(path):
        maps = root.findall(path + "/Map")
        check(len(maps) == 1, "%d maps in %s" % (len(maps), path))
        for pc in maps[0].findall("PC"):
            program = int(pc.get("PC")) - 1
            check(0 <= program < 128, "PC %s" % pc.get("PC"))
            for bank in pc.findall("Bank"):
                yield (int(bank.get("MSB")), int(bank.get("LSB")), program), pc, bank

    tones, kits = {}, {}
    for key, _, bank in entries("InstrumentList"):
        put(tones, key, bank.get("Name"), "tone")
    for key, pc, bank in entries("DrumSetList"):
        check(pc.get("Name") == bank.get("Name"), "kit named twice differently")
        notes = {}
        for tone in bank.findall("Tone"):
            put(notes, int(tone.get("Key")), tone.get("Name"), "note")
        put(kits, key, (bank.get("Name"), notes), "kit")
    return [root.get("Name")], tones, kits


READERS = [("midnam", ".midnam", read_midnam), ("ins", ".ins", read_ins),
           ("domino", ".xml", read_domino)]


def main():
    data, kit_source, files = sys.argv[1:4]
    kits = kit_names(kit_source)
    failures = 0
    for folder, extension, reader in READERS:
        names = sorted(os.listdir(os.path.join(files, folder)))
        check(names == sorted(stem + extension for _, _, _, stem in MAPS),
              "files in %s: %s" % (folder, names))
        for family, index, model, stem in MAPS:
            path = os.path.join(files, folder, stem + extension)
            raw = open(path, "rb").read()
            tones, named_kits = expected_content(data, kits, family, index)
            try:
                models, got_tones, got_kits = reader(raw)
                check(models == [model], "models %s" % models)
                check(got_tones == tones, "tones differ: %s" %
                      sorted(set(got_tones.items()) ^ set(tones.items()))[:5])
                check(got_kits.keys() == named_kits.keys(), "kits %s, not %s" %
                      (sorted(got_kits), sorted(named_kits)))
                for key, kit in named_kits.items():
                    check(got_kits[key] == kit, "kit %s differs" % (key,))
            except (Mismatch, KeyError, AttributeError, ValueError, ET.ParseError) as error:
                print("%s: %s: %s" % (path, type(error).__name__, error))
                failures += 1
                continue
            print("%s/%s: %d bytes, %d tones, %d kits, %d notes" % (
                folder, stem + extension, len(raw), len(tones), len(named_kits),
                sum(len(notes) for _, notes in named_kits.values())))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
