"""Runs rptiebreaks-cli --json on a made-up tournament with byes, forfeits, absences, unrated
players and players without games, with recursive rows and with FIDE's tie-breaks among them, and
validates both documents against their schema.

usage: validate_results_json.py GENERATOR CLI SCHEMA
"""
import json
import os
import subprocess
import sys
import tempfile

import jsonschema


def refuse_constant(name):
    raise ValueError(f"{name} is not JSON")


def main():
    generator, cli, schema_path = sys.argv[1:4]
    with tempfile.TemporaryDirectory() as directory:
        crosstable = os.path.join(directory, "open.txt")
        subprocess.run([generator, "-p", "40", "-r", "7", "-s", "4", "--unrated", "0.1",
                        "--byes", "0.05", "--forfeits", "0.05", "--absent", "0.05",
                        "--without-games", "2", "-o", crosstable], check=True)
        document_path = os.path.join(directory, "open.json")
        subprocess.run([cli, "-t", "rp", "-t", "rb:avg:1:1", "-t", "rp:avg:0:7",
                        "--json", document_path, crosstable], check=True,
                       stderr=subprocess.DEVNULL)
        # FIDE's tie-breaks beside a recursive one, ranking the field by their chain.
        fide_path = os.path.join(directory, "fide.json")
        subprocess.run([cli, "-t", "BH/C1", "-t", "BH", "-t", "rp", "-t", "SB", "-t", "DE",
                        "--json", fide_path, crosstable], check=True, stderr=subprocess.DEVNULL)
        with open(schema_path, encoding="utf-8") as file:
            schema = json.load(file)
        documents = []
        for path in (document_path, fide_path):
            with open(path, encoding="utf-8") as file:
                documents.append(json.load(file, parse_constant=refuse_constant))
    jsonschema.Draft202012Validator.check_schema(schema)
    for document in documents:
        jsonschema.Draft202012Validator(schema).validate(document)
    values = [value for player in documents[0]["players"] for value in player["values"]]
    if None not in values:
        sys.exit("no null value: the document does not show players without a value")


if __name__ == "__main__":
    main()
