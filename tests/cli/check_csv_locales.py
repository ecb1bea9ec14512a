"""Runs rptiebreaks-cli under a German and an American locale on a TRF file whose names hold '.',
',', ';', '"' and a letter beyond ASCII, in an empty folder with an empty folder of its own as
TMPDIR, and reads the .csv back with Python's csv module and the locale's separators: every name
comes back as the TRF has it, every number parses in the locale, the file starts with a
byte-order mark, and nothing but the .csv is left behind.

usage: check_csv_locales.py CLI TRF
"""
import csv
import locale
import os
import subprocess
import sys
import tempfile

NAMES = ["Herrera, C. A.", "Lopez; Ana", 'Smith "Jack"', "Dąbrowski, Zofia", "Nguyen, T.", "Olsen"]


def renamed(trf_lines):
    """The TRF's player records with NAMES in columns 15-47, in record order."""
    names = iter(NAMES)
    for line in trf_lines:
        if line.startswith("001 "):
            line = line[:14] + next(names).ljust(33) + line[47:]
        yield line


def check(cli, trf_text, name, separator):
    locale.setlocale(locale.LC_NUMERIC, name)
    with tempfile.TemporaryDirectory() as folder, tempfile.TemporaryDirectory() as temporary:
        with open(os.path.join(folder, "t.trf"), "w", encoding="utf-8") as file:
            file.write(trf_text)
        environment = dict(os.environ, LC_ALL=name, TMPDIR=temporary)
        subprocess.run([cli, "-t", "rp", "-t", "rb:avg:1:0", "t.trf"], cwd=folder,
                       env=environment, check=True, stderr=subprocess.DEVNULL)
        with open(os.path.join(folder, "t.csv"), "rb") as file:
            data = file.read()
        if not data.startswith(b"\xef\xbb\xbf"):
            sys.exit(f"{name}: the .csv has no byte-order mark")
        rows = list(csv.reader(data.decode("utf-8-sig").splitlines(), delimiter=separator))
        if sorted(row[0] for row in rows[1:]) != sorted(NAMES):
            sys.exit(f"{name}: names {[row[0] for row in rows[1:]]}")
        for row in rows[1:]:
            if len(row) != 4:
                sys.exit(f"{name}: {len(row)} fields in {row}")
            for field in row[1:]:
                locale.atof(field.strip())  # raises where the number is not the locale's
        if sorted(os.listdir(folder)) != ["t.csv", "t.trf"] or os.listdir(temporary):
            sys.exit(f"{name}: left {os.listdir(folder)} and {os.listdir(temporary)}")


def main():
    cli, trf = sys.argv[1:3]
    with open(trf, encoding="utf-8") as file:
        trf_text = "\n".join(renamed(file.read().splitlines())) + "\n"
    check(cli, trf_text, "de_DE.UTF-8", ";")
    check(cli, trf_text, "en_US.UTF-8", ",")


if __name__ == "__main__":
    main()
