#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The JSON contract of octaval-cli: every line of JSON that each mode writes, in the ordinary and
# the odd cases, is valid under the installed schema of its kind, which names every key; the keys
# come in the order of the schema's properties, and an object with a key that no schema names is
# refused. Run by CTest with OCTAVAL_CLI set to the program and OCTAVAL_SCHEMAS to the folder of
# the schemas, under a python3 with Debian's python3-jsonschema.
import copy
import json
import os
import subprocess
import unittest
import warnings
from pathlib import Path

import jsonschema

CLI = os.environ["OCTAVAL_CLI"]
URN = "urn:octaval-cli:schema:"
SCHEMAS = {schema["$id"]: schema for schema in (
    json.loads(path.read_text()) for path in Path(os.environ["OCTAVAL_SCHEMAS"]).glob("*.schema.json"))}
with warnings.catch_warnings():  # newer releases than Debian's prefer their `referencing`
    warnings.simplefilter("ignore", DeprecationWarning)
    RESOLVER = jsonschema.RefResolver("", {}, store=SCHEMAS)

FIELDS = b"192\t168\t1\t70\t255\t255\t255\t224\n"
# name: (arguments, standard input, the schema of every line, the last key of each kind of line)
CASES = {
    **{f"answer of {a}": (["--json", a], b"", "result", {"status"}) for a in
       ("192.168.1.70/27", "0.1.2.3", "224.1.2.3", "250.1.2.3", "200.1.2.3/31", "200.1.2.3/32")},
    # A quote, a backslash and a control character typed into the fields; a line of 3 fields.
    "batch": (["--batch"], FIELDS + b'1"\\\x01\t2\t3\t4\t255\t0\t0\t0\n224\t1\t2\t3\t255\t255\t255'
              b"\t0\n1\t2\t3\n", "batch-line", {"status", "error"}),
    "batch of addresses": (["--batch", "--addresses"], b'10.1.2.3/16\n10."1\\\x01.2\n\xff.1\n',
                           "batch-line", {"status", "error"}),
    **{f"list of {' '.join(a)}": (["--list", "--json", *a], b"", "list-line", {last}) for a, last in
       [(["10.1.2.3", "255.192.192.0"], "holdsAddress"), (["200.1.2.3/31"], "holdsAddress"),
        (["200.1.2.3/32"], "holdsAddress"), (["224.1.2.3"], "status"),
        (["10.1.2.3", "255.0.255.0"], "status")]},
    **{f"working of {' '.join(a)}": (["--explain", "--json", *a], b"", "working", {"steps"})
       for a in (["192.168.1.70/27"], ['192.168.1.70"\\\x01/27'], ["150.1.1.1", "254.0.0.0"],
                 ["250.1.2.3"], ["200.1.2.3/32"], ["10.1.2.3", "255.192.192.0"])},
    "worksheet": (["--practice", "--worksheet", "--json", "--seed", "1"], b"", "worksheet-line",
                  {"questions"}),
    # A rejected press asks only for the status: here nothing.
    "worksheet of network questions": (["--practice", "--json", "--level", "faults", "--questions",
                                        "network", "--seed", "2"], b"", "worksheet-line",
                                       {"questions"}),
    **{f"worksheet with answers, level {level}": (
        ["--practice", "--json", "--answers", "--level", level, "--count", "300", "--seed", "3"],
        b"", "worksheet-line", {"answers"}) for level in ("natural", "contiguous", "any", "faults")},
    # Every mark and both reasons on the first line; a line that does not read; the summary.
    "marks": (["--mark"], b'{"address":"10.1.2.3","mask":"/16","student":"A","answers":{"network":'
              b'"10.1.0.1","broadcast":"x","class":"","status":"OK"}}\n{"address":"1.2.3.4"}\n',
              "mark", {"marks", "error", "unanswered"}),
}


def resolved(schema):
    while "$ref" in schema:  # every reference names its schema by its URN
        schema = RESOLVER.resolve(schema["$ref"])[1]
    return schema


def keys_out_of_order(value, schema):  # of each object in value that does not follow its schema
    schema = resolved(schema)
    if isinstance(value, list):
        return [keys for item in value for keys in keys_out_of_order(item, schema.get("items", {}))]
    if not isinstance(value, dict):
        return []
    # The schema, or the branch of its oneOf or anyOf, that names the object's keys.
    branches = map(resolved, [schema, *schema.get("oneOf", []), *schema.get("anyOf", [])])
    properties = next((b["properties"] for b in branches if set(value) <= set(b.get("properties", ()))), {})
    order = [key for key in properties if key in value]
    return [list(value)] * (order != list(value)) + [
        keys for key, item in value.items() if key in properties
        for keys in keys_out_of_order(item, properties[key])]


def with_extra_keys(value):  # value with one key added, once at each object in it: to be refused
    if isinstance(value, dict):
        yield {**value, "extra": None}
        items = value.items()
    else:
        items = enumerate(value) if isinstance(value, list) else []
    for key, item in items:
        for changed in with_extra_keys(item):
            copied = copy.copy(value)
            copied[key] = changed
            yield copied


class JsonContractTest(unittest.TestCase):
    def test_schemas_are_valid_and_describe_every_property(self):
        self.assertEqual(set(SCHEMAS), {URN + name for _, _, name, _ in CASES.values()})  # all used

        def undescribed(schema, path):
            if isinstance(schema, list):
                return [p for i, s in enumerate(schema) for p in undescribed(s, f"{path}/{i}")]
            if not isinstance(schema, dict):
                return []
            return [f"{path}/{key}" for key, s in schema.get("properties", {}).items()
                    if "description" not in s] + [
                p for key, s in schema.items() for p in undescribed(s, f"{path}/{key}")]

        for name, schema in SCHEMAS.items():
            with self.subTest(name):
                jsonschema.Draft202012Validator.check_schema(schema)
                self.assertEqual(undescribed(schema, ""), [])

    def test_every_mode_writes_what_its_schema_names(self):
        for name, (args, stdin, schema, last_keys) in CASES.items():
            with self.subTest(name):
                validator = jsonschema.Draft202012Validator(SCHEMAS[URN + schema], resolver=RESOLVER)
                result = subprocess.run([CLI, *args], input=stdin, capture_output=True, timeout=60)
                self.assertEqual(result.stderr, b"")
                lines = [json.loads(line) for line in result.stdout.decode("utf-8").splitlines()]
                self.assertEqual({list(line)[-1] for line in lines}, last_keys,
                                 f"exit status {result.returncode}")
                for line in lines:
                    error = jsonschema.exceptions.best_match(validator.iter_errors(line))
                    self.assertIsNone(error and error.message, line)
                    self.assertEqual(keys_out_of_order(line, SCHEMAS[URN + schema]), [], line)
                for changed in with_extra_keys(lines[0]):
                    self.assertFalse(validator.is_valid(changed), f"takes an unnamed key: {changed}")


if __name__ == "__main__":
    unittest.main()
