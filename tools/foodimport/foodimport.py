#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Turns the USDA SR24 archive into Corvalo's text food table (res/foods/foods.tsv).

Run by hand when the source changes; the build reads only the table:
    tools/foodimport/foodimport.py path/to/usda_sr24.jar res/foods/foods.tsv
The table format and the conversion rules are described in res/foods/README.md.
"""

import re
import sys
import xml.etree.ElementTree as ET
import zipfile

# Source nutrient names in the program's nutrient order.
NUTRIENTS = ["Energy", "Carbs", "Fat", "Protein", "Fiber",
             "Calcium", "Sodium", "Saturated", "Cholesterol", "Sugars"]
MAX_UNITS = 15
FL_OZ_ML = 29.5735
BEVERAGE_GROUP = "14"

# The pairs the program appends to every food's units; a stored unit of the same name would
# only repeat one of them.
PAIR_UNITS = {"g": {"oz", "g"}, "ml": {"fl.oz", "ml"}}

# A measure that is itself fluid ounces ("fl oz", "fluid ounces").
PLAIN_FL_OZ = re.compile(r"^(fl\.? ?oz|fluid ounces?)\b", re.IGNORECASE)
# A measure that names its volume, as in "can (12 fl oz)" or "cup 8 fl oz".
COUNTED_FL_OZ = re.compile(r"(\d*\.?\d+)\s*(fl\.? ?oz|fluid ounces?)\b", re.IGNORECASE)
# "amount of dry mix to make 8 fl oz prepared": the volume is of something else.
NOT_ITS_VOLUME = re.compile(r"\b(make|makes|prepared|dry|powder)\b", re.IGNORECASE)
# Plausible densities in g/mL; outside them the measure is taken as a mistake.
DENSITY_RANGE = (0.5, 2.0)


def clean_text(text):
    """One line of text: tabs and line breaks would break the table's fields."""
    return " ".join(text.split())


def number_text(value):
    """Plain decimal text: the source's own digits where they fit in six, else six digits."""
    text = "%.6g" % value
    for digits in range(1, 7):
        shorter = "%.*g" % (digits, value)
        if abs(float(shorter) - value) <= abs(value) * 1e-12:
            text = shorter
            break
    if "e" in text:
        text = ("%.9f" % value).rstrip("0")
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text


def fluid_ounces(measure, plain_only):
    """Fluid ounces in one measure, or None when its name does not give them."""
    name = measure["name"]
    if PLAIN_FL_OZ.match(name):
        return measure["amount"]
    if plain_only or NOT_ITS_VOLUME.search(name):
        return None
    match = COUNTED_FL_OZ.search(name)
    if not match:
        return None
    return measure["amount"] * float(match.group(1))


def density(food):
    """Grams per millilitre from the food's fluid-ounce measures, or None.

    Beverages may take it from any measure that names its fluid ounces; other foods count as
    liquids only when they have a measure that is plainly fluid ounces.
    """
    plain_only = food["group"] != BEVERAGE_GROUP
    measures = sorted(food["measures"], key=lambda m: 0 if PLAIN_FL_OZ.match(m["name"]) else 1)
    for measure in measures:
        ounces = fluid_ounces(measure, plain_only)
        if not ounces:
            continue
        value = measure["grams"] / (ounces * FL_OZ_ML)
        if DENSITY_RANGE[0] <= value <= DENSITY_RANGE[1]:
            return value
        print("warning: %s: implausible density %.3f from '%s'"
              % (food["name"], value, measure["name"]), file=sys.stderr)
    return None


def read_food(xml_bytes):
    root = ET.fromstring(xml_bytes)
    food = {
        "uid": root.get("uid", ""),
        "name": clean_text(root.get("name", "")),
        "measures": [],
        "nutrients": {},
    }
    food["group"] = food["uid"][:2]
    for element in root:
        if element.tag == "measure":
            try:
                amount = float(element.get("amount", "0"))
                grams = float(element.get("grams", "0"))
            except ValueError:
                continue
            name = clean_text(element.get("name", ""))
            if amount > 0 and grams > 0 and name:
                food["measures"].append({"amount": amount, "grams": grams, "name": name})
        elif element.tag == "nutrient":
            name = element.get("name", "")
            if name in NUTRIENTS and name not in food["nutrients"]:
                try:
                    food["nutrients"][name] = float(element.get("amount", ""))
                except ValueError:
                    pass
    return food


def table_line(food):
    rho = density(food)
    pair = "ml" if rho else "g"
    scale = rho if rho else 1.0  # per 100 g -> per 100 mL

    fields = [food["name"], pair]
    for name in NUTRIENTS:
        value = food["nutrients"].get(name, 0.0)
        fields.append(number_text(value * scale) if value > 0 else "-")

    seen = set(PAIR_UNITS[pair])
    units = []
    for measure in food["measures"]:
        key = measure["name"].lower()
        if key in seen:
            continue
        seen.add(key)
        factor = measure["grams"] / measure["amount"] / scale
        units.append("%s %s" % (number_text(factor), measure["name"]))
    fields.extend(units[:MAX_UNITS])
    return "\t".join(fields)


def sort_key(food):
    # The order the builder keeps: bytes compared with only A to Z lowered.
    name = food["name"].encode("utf-8")
    return (name.translate(bytes.maketrans(b"ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                           b"abcdefghijklmnopqrstuvwxyz")), name, food["uid"])


HEADER = """\
# Corvalo food table: USDA National Nutrient Database for Standard Reference, Release 24
# (public domain), converted by tools/foodimport. Format and rules: README.md beside this file.
# name | pair | kcal | carbs g | fat g | protein g | fiber g | calcium mg | sodium mg
#   | saturated g | cholesterol mg | sugars g | units ("factor name")...
"""


def main(argv):
    if len(argv) != 3:
        print("usage: foodimport.py usda_sr24.jar foods.tsv", file=sys.stderr)
        return 2
    foods = []
    with zipfile.ZipFile(argv[1]) as archive:
        for entry in archive.namelist():
            if entry.endswith(".xml"):
                food = read_food(archive.read(entry))
                if food["name"]:
                    foods.append(food)
    foods.sort(key=sort_key)
    with open(argv[2], "w", encoding="utf-8", newline="\n") as out:
        out.write(HEADER)
        for food in foods:
            out.write(table_line(food) + "\n")
    volume = sum(1 for food in foods if density(food))
    print("%d foods, %d measured by volume" % (len(foods), volume), file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
