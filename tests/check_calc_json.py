#!/usr/bin/env python3
"""The JSON of dorvel-cli against its schema (docs/calc-output.schema.json).

usage: check_calc_json.py DORVEL_CLI SCHEMA EXAMPLES_DIR

- `fields --json` lists every field with its type, unit, meaning and codes,
  and the schema describes exactly those fields with the same types;
- `calc --json` of every example (as it is, and with the deviations
  accepted) and of a missing file validates against the schema;
- the "results" rows are the rows of the text output, same texts and units;
- "units" names the unit of every numeric field;
- "conforming" and "warnings" are required, agree with each other, with
  "warning" and with the text output.
"""
import glob
import json
import os
import subprocess
import sys

import jsonschema

def run(*args):
    p = subprocess.run([cli, *args], capture_output=True, text=True, timeout=120)
    return p.returncode, p.stdout, p.stderr


def fail(text):
    print("FAIL:", text)
    sys.exit(1)


cli, schema_path, examples = sys.argv[1:4]
with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)

# ---- fields --json ----------------------------------------------------------
status, out, err = run("fields", "--json")
if status != 0:
    fail("fields --json: " + err)
fields = json.loads(out)
by_name = {f["name"]: f for f in fields}
for f in fields:
    if set(f) - {"slots"} != {"name", "type", "unit", "meaning", "codes"}:
        fail("fields --json member set of " + f["name"])
    if not f["meaning"]:
        fail("no meaning for " + f["name"])
    if f["type"] in ("number", "array") and not f["unit"]:
        fail("no unit for " + f["name"])
codes = {c["code"]: c["name"] for c in by_name["fluidKind"]["codes"]}
if codes.get(1) != "Water" or codes.get(2) != "Other liquid" or codes.get(9) != "Natural gas":
    fail("fluidKind codes: %r" % codes)
if by_name["pressureLoss"]["unit"] != "-" or by_name["temperature"]["unit"] != "\u00b0C":
    fail("units of pressureLoss / temperature")

case_schema = schema["$defs"]["case"]
json_type = {"integer": "integer", "number": ["number", "null"], "string": "string",
             "boolean": "boolean", "array": "array"}
FIXED = {"file", "ok", "nonConforming", "conforming", "standard", "equationOfState", "warning",
         "warnings", "messages", "messageCodes", "questions", "results", "uncertainty", "units"}
described = set(case_schema["properties"]) - FIXED
if described != set(by_name):
    fail("schema and fields differ: %r" % (described ^ set(by_name)))
for name, f in by_name.items():
    if case_schema["properties"][name]["type"] != json_type[f["type"]]:
        fail("schema type of " + name)

for member in ("conforming", "warnings"):
    if member not in case_schema["required"]:
        fail("the schema does not require " + member)


def validate(obj, where):
    errors = sorted(validator.iter_errors(obj), key=lambda e: list(e.path))
    if errors:
        fail("%s: %s at %s" % (where, errors[0].message[:300], list(errors[0].path)))
    if len(obj.get("messageCodes", [])) != len(obj.get("messages", [])):
        fail("%s: messageCodes and messages differ in length" % where)


# ---- calc --json of every example ---------------------------------------------
files = sorted(glob.glob(os.path.join(examples, "*.dvl")))
if len(files) < 10:
    fail("examples not found in " + examples)
numeric = [n for n, f in by_name.items() if f["type"] in ("number", "array")]
checked_rows = 0
nonconforming_cases = 0
# Every example as it is, and with the deviations accepted; and the flange
# orifice moved into a 1050 mm pipe (above the 1000 mm of ISO 5167-2), which
# is refused unless the deviation is accepted and then does not conform.
big_pipe = ["--set", "pipeDiameter20=1050", "--set", "pipeDiameter=1050",
            "--set", "deviceDiameter20=600", "--set", "deviceDiameter=600",
            "--set", "upstreamLengthActual=0", "--set", "downstreamLengthActual=0"]
flange = [os.path.join(examples, "water-orifice-flange.dvl")]
runs = [([], files), (["--accept-deviations"], files),
        (big_pipe, flange), (["--accept-deviations", *big_pipe], flange)]
for extra, run_files in runs:
    status, out, err = run("calc", "--json", *extra, *run_files)
    objects = [json.loads(line) for line in out.splitlines()]
    if len(objects) != len(run_files):
        fail("one object per case expected")
    _, text, _ = run("calc", *extra, *run_files)
    for path, obj in zip(run_files, objects):
        validate(obj, path)
        if sorted(obj["units"]) != sorted(numeric):
            fail(path + ": units do not cover the numeric fields")
        if obj["ok"] != bool(obj["results"]):
            fail(path + ": results exactly when ok")
        # Conforming exactly for a computed case without warnings; the status
        # bar's warning is the last of them, and the text output prints each.
        if obj["conforming"] != (obj["ok"] and not obj["warnings"] and not obj["nonConforming"]):
            fail(path + ": conforming does not follow ok, warnings and nonConforming")
        if obj["warning"] != (obj["warnings"][-1] if obj["warnings"] else ""):
            fail(path + ": warning is not the last of the warnings")
        # Natural gas names its equation of state (and the text output does
        # for the equations other than SGERG-88); the other fluids have none.
        equations = {1: "SGERG-88 (ISO 12213-3)", 2: "AGA8-92DC (ISO 12213-2)",
                     3: "GERG-2008 (ISO 20765-2)"}
        natural = obj["fluidKind"] in (8, 9)
        in_force = obj["naturalGasEquation"] if obj["naturalGasInputIsComposition"] == 1 else 1
        if obj["equationOfState"] != (equations[in_force] if natural else None):
            fail(path + ": equationOfState %r" % obj["equationOfState"])
        # The text output holds each row as caption, value text and unit.
        section = text[text.index("== " + path):]
        nxt = section.find("\n== ", 1)
        section = section if nxt < 0 else section[:nxt]
        for w in obj["warnings"]:
            if "Warning: " + w not in section:
                fail("%s: warning %r not in the text output" % (path, w))
        if obj["ok"] and not obj["conforming"]:
            nonconforming_cases += 1
            if "The results do not conform to the standard." not in section:
                fail(path + ": text output does not say the results do not conform")
        for row in obj["results"]:
            shown = row["text"] + (" " + row["unit"] if row["unit"] else "")
            hits = [l for l in section.splitlines()
                    if l.strip().startswith(row["caption"]) and l.rstrip().endswith(" " + shown)]
            if not hits:
                fail("%s: row %r not in the text output" % (path, row))
            if row["value"] is not None and abs(row["value"] - float(row["text"])) > 0:
                fail("%s: value %r differs from its text" % (path, row))
            checked_rows += 1
if nonconforming_cases != 1 or obj["warnings"] != [
        "Data out of range.  Pipe diameter D must be < 1000 mm !"]:
    fail("the 1050 mm pipe: %d non-conforming cases, warnings %r"
         % (nonconforming_cases, obj["warnings"]))
if checked_rows < 100:
    fail("too few result rows checked: %d" % checked_rows)

status, out, err = run("calc", "--json", os.path.join(examples, "no-such-file.dvl"))
if status != 2:
    fail("a missing file exits with 2")
validate(json.loads(out), "missing file")
print("ok: %d fields, %d examples, %d result rows" % (len(fields), len(files), checked_rows))
