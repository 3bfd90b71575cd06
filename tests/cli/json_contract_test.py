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
    "answer": (["--json", "192.168.1.70/27"], b"", "result", {"status"}),
    "rejected address": (["--json", "0.1.2.3"], b"", "result", {"status"}),
    "class D": (["--json", "224.1.2.3"], b"", "result", {"status"}),
    "class E": (["--json", "250.1.2.3"], b"", "result", {"status"}),
    "/31": (["--json", "200.1.2.3/31"], b"", "result", {"status"}),
    "/32": (["--json", "200.1.2.3/32"], b"", "result", {"status"}),
    # A quote, a backslash and control characters typed into the fields; a line of 3 fields.
    "batch": (["--batch"], FIELDS + b'1"\\\x01\t2\t3\t4\t255\t0\t0\t0\n224\t1\t2\t3\t255\t255\t255'
              b"\t0\n1\t2\t3\n", "batch-line", {"status", "error"}),
    "batch of addresses": (["--batch", "--addresses"], b'10.1.2.3/16\n10."1\\\x01.2\n\xff.1\n',
                           "batch-line", {"status", "error"}),
    "list": (["--list", "--json", "10.1.2.3", "255.192.192.0"], b"", "list-line", {"holdsAddress"}),
    "list of a /31": (["--list", "--json", "200.1.2.3/31"], b"", "list-line", {"holdsAddress"}),
    "list of a /32": (["--list", "--json", "200.1.2.3/32"], b"", "list-line", {"holdsAddress"}),
    "list of class D": (["--list", "--json", "224.1.2.3"], b"", "list-line", {"status"}),
    "list of a rejected mask": (["--list", "--json", "10.1.2.3", "255.0.255.0"], b"", "list-line",
                                {"status"}),
    "working": (["--explain", "--json", "192.168.1.70/27"], b"", "working", {"steps"}),
    "working of typed quotes": (["--explain", "--json", '192.168.1.70"\\\x01/27'], b"", "working",
                                {"steps"}),
    "working of a rejected mask": (["--explain", "--json", "150.1.1.1", "254.0.0.0"], b"",
                                   "working", {"steps"}),
    "working of class E": (["--explain", "--json", "250.1.2.3"], b"", "working", {"steps"}),
    "working of a /32": (["--explain", "--json", "200.1.2.3/32"], b"", "working", {"steps"}),
    "working of a mask 255.a.b.0": (["--explain", "--json", "10.1.2.3", "255.192.192.0"], b"",
                                    "working", {"steps"}),
    "worksheet": (["--practice", "--worksheet", "--json", "--seed", "1"], b"", "worksheet-line",
                  {"questions"}),
    # A rejected press asks only for the status: here nothing.
    "worksheet of network questions": (["--practice", "--json", "--level", "faults", "--questions",
                                        "network", "--seed", "2"], b"", "worksheet-line",
                                       {"questions"}),
    **{f"worksheet with answers, level {level}": (
        ["--practice", "--json", "--answers", "--level", level, "--count", "300", "--seed", "3"],
        b"", "worksheet-line", {"answers"}) for level in ("natural", "contiguous", "any", "faults")},
}


def resolved(schema):
    while "$ref" in schema:
        url, _, pointer = schema["$ref"].partition("#")
        schema = SCHEMAS[url]
        for part in filter(None, pointer.split("/")):
            schema = schema[part]
    return schema


def objects_out_of_order(value, schema):
    """The paths of the objects in value whose keys differ from the schema's properties, in order."""
    schema = resolved(schema)
    candidates = [resolved(s) for s in [schema, *schema.get("oneOf", []), *schema.get("anyOf", [])]]
    if isinstance(value, list):
        return [p for item in value for p in objects_out_of_order(item, schema.get("items", {}))]
    if not isinstance(value, dict):
        return []
    properties = next((s["properties"] for s in candidates if set(s.get("properties", ())) >= set(value)), {})
    order = [key for key in properties if key in value]
    return [list(value)] * (order != list(value)) + [
        p for key, item in value.items() if key in properties
        for p in objects_out_of_order(item, properties[key])]


def with_extra_keys(value):
    """value with one key added, once at each object in it: the copies that must be refused."""
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
        self.assertEqual(set(SCHEMAS), {URN + name for _, _, name, _ in CASES.values()})

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
                self.assertEqual({list(line)[-1] for line in lines}, last_keys)
                for line in lines:
                    error = jsonschema.exceptions.best_match(validator.iter_errors(line))
                    self.assertIsNone(error, f"{line}: {error and error.message}")
                    self.assertEqual(objects_out_of_order(line, SCHEMAS[URN + schema]), [], line)
                for changed in with_extra_keys(lines[0]):
                    self.assertFalse(validator.is_valid(changed), f"takes an unnamed key: {changed}")


if __name__ == "__main__":
    unittest.main()
