#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-License-Identifier: MIT
"""Turns the USDA SR24 archive into Corvalo's text food table (res/foods/foods.tsv).

Run by hand when the source changes; the build reads only the tables:
    tools/foodimport/foodimport.py path/to/usda_sr24.jar res/foods/foods.tsv [nutrients.tsv]
The nutrient table (every nutrient of the source) goes beside foods.tsv unless named. The formats
and the conversion rules are described in res/foods/README.md.
"""

import os
import re
import sys
import xml.etree.ElementTree as ET
import zipfile

# Source nutrient names in the program's nutrient order.
NUTRIENTS = ["Energy", "Carbs", "Fat", "Protein", "Fiber",
             "Calcium", "Sodium", "Saturated", "Cholesterol", "Sugars"]
# Every nutrient of the source in the nutrient table: (key, source name, factor). The key is the
# nutrient's column in nutrients.tsv and its id in the program's catalogue; the factor turns the
# source's unit into the table's (Vitamin D: IU to micrograms, 40 IU = 1 ug). Units and how they
# were established: res/foods/README.md.
ALL_NUTRIENTS = [
    ("energy", "Energy", 1), ("protein", "Protein", 1), ("carbohydrates", "Carbs", 1),
    ("fat", "Fat", 1),
    ("fiber", "Fiber", 1), ("sugars", "Sugars", 1), ("starch", "Starch", 1),
    ("saturated_fat", "Saturated", 1), ("monounsaturated_fat", "Monounsaturated", 1),
    ("polyunsaturated_fat", "Polyunsaturated", 1), ("trans_fat", "Trans-Fats", 1),
    ("omega_3", "Omega-3", 1), ("omega_6", "Omega-6", 1), ("cholesterol", "Cholesterol", 1),
    ("phytosterols", "Phytosterol", 1),
    ("alanine", "ALA", 1), ("arginine", "ARG", 1), ("aspartic_acid", "ASP", 1),
    ("cystine", "CYS", 1), ("glutamic_acid", "GLU", 1), ("glycine", "GLY", 1),
    ("histidine", "HIS", 1), ("hydroxyproline", "HYP", 1), ("isoleucine", "ILE", 1),
    ("leucine", "LEU", 1), ("lysine", "LYS", 1), ("methionine", "MET", 1),
    ("phenylalanine", "PHE", 1), ("proline", "PRO", 1), ("serine", "SER", 1),
    ("threonine", "THR", 1), ("tryptophan", "TRP", 1), ("tyrosine", "TYR", 1),
    ("valine", "VAL", 1),
    ("vitamin_a", None, 1), ("vitamin_a_iu", "Vitamin A", 1), ("retinol", "Retinol", 1),
    ("beta_carotene", "Beta-carotene", 1), ("alpha_carotene", "Alpha-carotene", 1),
    ("beta_cryptoxanthin", "Beta-cryptoxanthin", 1), ("thiamin", "B1 (Thiamine)", 1),
    ("riboflavin", "B2 (Riboflavin)", 1), ("niacin", "B3 (Niacin)", 1),
    ("pantothenic_acid", "B5 (Pantothenic Acid)", 1), ("vitamin_b6", "B6 (Pyridoxine)", 1),
    ("folate", "Folate", 1), ("vitamin_b12", "B12 (Cyanocobalamin)", 1),
    ("choline", "Choline", 1), ("vitamin_c", "Vitamin C", 1), ("vitamin_d", "Vitamin D", 1 / 40),
    ("vitamin_e", "Vitamin E", 1), ("beta_tocopherol", "Beta Tocopherol", 1),
    ("gamma_tocopherol", "Gamma Tocopherol", 1), ("delta_tocopherol", "Delta Tocopherol", 1),
    ("vitamin_k", "Vitamin K", 1),
    ("calcium", "Calcium", 1), ("copper", "Copper", 1), ("fluoride", "Fluoride", 1),
    ("iron", "Iron", 1), ("magnesium", "Magnesium", 1), ("manganese", "Manganese", 1),
    ("phosphorus", "Phosphorus", 1), ("potassium", "Potassium", 1), ("selenium", "Selenium", 1),
    ("sodium", "Sodium", 1), ("zinc", "Zinc", 1),
    ("water", "Water", 1), ("alcohol", "Alcohol", 1), ("caffeine", "Caffeine", 1),
    ("ash", "Ash", 1), ("lycopene", "Lycopene", 1), ("lutein_zeaxanthin", "Lutein+Zeaxanthin", 1),
]
SOURCE_NAMES = {source for _, source, _ in ALL_NUTRIENTS if source}
# Micrograms of retinol activity equivalents per microgram of each form of vitamin A.
RAE_FACTORS = {"Retinol": 1.0, "Beta-carotene": 1 / 12, "Alpha-carotene": 1 / 24,
               "Beta-cryptoxanthin": 1 / 24}
# IU of vitamin A per microgram of each form (1 IU = 0.3 ug retinol, 0.6 ug beta-carotene,
# 1.2 ug of the other two).
IU_PER_UG = {"Retinol": 1 / 0.3, "Beta-carotene": 1 / 0.6, "Alpha-carotene": 1 / 1.2,
             "Beta-cryptoxanthin": 1 / 1.2}

# The program reads no more than ten stored units.
MAX_UNITS = 10
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

# The standard pair's fluid ounce in mL. The source's fluid ounce is the US one (29.57 mL): in a
# volume food it is kept as "fl oz (US)", unless it is within 1 % of the pair's, which already
# offers it.
PAIR_FL_OZ_ML = 28.4
US_FL_OZ_NAME = "fl oz (US)"

# First words of units that measure a quantity rather than a serving. When a food's first unit
# is one of these and a later one is a serving, the serving is listed first: it is the default.
BULK_WORDS = {"cup", "cups", "tbsp", "tsp", "tablespoon", "tablespoons", "teaspoon",
              "teaspoons", "oz", "ounce", "ounces", "lb", "lbs", "pound", "fl", "fluid",
              "package", "pkg", "container", "jar", "can", "bottle", "box", "bag", "quart",
              "pint", "gallon", "liter", "litre", "ml", "dash", "pinch", "cubic", "yield",
              "recipe", "loaf", "head", "bunch", "nlea"}
# First words of units that are one piece of a weighed food.
PIECE_WORDS = {"piece", "slice", "item", "each", "fruit", "bar", "cookie", "cracker", "muffin",
               "roll", "bun", "biscuit", "bagel", "sandwich", "burger", "patty", "link",
               "sausage", "frank", "strip", "wing", "drumstick", "thigh", "breast", "leg",
               "fillet", "steak", "chop", "egg", "pancake", "waffle", "tortilla", "taco",
               "burrito", "pastry", "doughnut", "stalk", "spear", "ear", "pod", "clove",
               "nugget", "serving", "portion", "packet", "scoop", "wedge"}
# First words of units that are one serving of a drink.
DRINK_WORDS = {"cup", "glass", "can", "bottle", "serving", "jigger", "shot", "mug", "box",
               "drink", "pouch", "carton", "jar", "container", "cocktail", "portion", "packet"}
SIZE_WORDS = {"extra", "small", "medium", "large", "jumbo"}
# Poultry, pork, beef, lamb, veal and game: their pieces are breasts, chops, steaks...
MEAT_GROUPS = {"05", "10", "13", "17"}
# A serving is one of something (not "10 nuts") weighing 5 to 500 g (mL): a single peanut or a
# whole chicken is not one.
SERVING_RANGE = (5.0, 500.0)
PREFERRED_SIZE = "medium"
# A measure that counts the food in pieces of one size, as in "cup (4.86 large eggs)".
COUNTED_SIZE = re.compile(r"\(\s*[\d.]+\s+(small|medium|large|jumbo)\b", re.IGNORECASE)


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
            if name in SOURCE_NAMES and name not in food["nutrients"]:
                try:
                    food["nutrients"][name] = float(element.get("amount", ""))
                except ValueError:
                    pass
    return food


def first_word(name):
    return re.split(r"[\s,(;:/]+", name.strip().lower(), maxsplit=1)[0]


def singular(word):
    if word.endswith("ies"):
        return word[:-3] + "y"
    if word.endswith("oes"):
        return word[:-2]
    if word.endswith("s") and not word.endswith("ss"):
        return word[:-1]
    return word


def fluid_ounce_unit(measure, scale):
    """A volume food's unit of a measure named in fluid ounces: (factor, name), or None.

    Plain fluid ounces are the US ounce, named so that it is not taken for the pair's "fl.oz";
    "12 fl oz cup small" is the serving "cup small (12 fl oz)".
    """
    match = PLAIN_FL_OZ.match(measure["name"])
    if not match:
        return None
    rest = measure["name"][match.end():].strip()
    if rest.startswith("(") and rest.endswith(")"):
        rest = rest[1:-1].strip()
    if not rest or rest == "US":
        return measure["grams"] / measure["amount"] / scale, US_FL_OZ_NAME
    # "approximate weight, 1 serving", "1 pouch, 200 ml": the part that counts one thing.
    parts = [part.strip() for part in rest.split(",")]
    ones = [part[2:] for part in parts if part.startswith("1 ")]
    what = ones[0] if ones else rest
    return (measure["grams"] / scale,
            "%s (%s fl oz)" % (what, number_text(measure["amount"])))


def is_serving(unit, food, volume):
    if unit["amount"] > 1 or not SERVING_RANGE[0] <= unit["factor"] <= SERVING_RANGE[1]:
        return False
    word = first_word(unit["name"])
    if volume:
        return word in DRINK_WORDS or word in SIZE_WORDS
    if word in PIECE_WORDS or word in SIZE_WORDS:
        return True
    # "apricot" of "Apricots, raw"; but "chicken" of a chicken's meat is the whole bird.
    return (food["group"] not in MEAT_GROUPS
            and singular(word) == singular(first_word(food["name"])))


def serving_first(units, food, volume):
    """The units with the food's natural single serving first, where the first is a quantity."""
    if (not units or is_serving(units[0], food, volume)
            or first_word(units[0]["name"]) not in BULK_WORDS):
        return units
    name = food["name"].lower()
    if "concentrate" in name and "diluted with" not in name:
        return units  # a can of concentrate makes several drinks
    servings = [unit for unit in units[1:] if is_serving(unit, food, volume)]
    if not servings:
        return units
    chosen = servings[0]
    # Among sizes of one thing ("large", "medium"; "wedge, large", "wedge, medium"): the size the
    # source counts by, else medium, else the first.
    word = first_word(chosen["name"])
    if word in SIZE_WORDS:
        sizes = [unit for unit in servings if first_word(unit["name"]) in SIZE_WORDS]
    else:
        sizes = [unit for unit in servings if first_word(unit["name"]) == word]
    counted = [COUNTED_SIZE.search(m["name"]) for m in food["measures"]]
    for size in [m.group(1).lower() for m in counted if m] + [PREFERRED_SIZE]:
        match = [unit for unit in sizes
                 if re.search(r"\b%s\b" % size, unit["name"], re.IGNORECASE)
                 and not re.search(r"\bextra %s\b" % size, unit["name"], re.IGNORECASE)]
        if match:
            chosen = match[0]
            break
    return [chosen] + [unit for unit in units if unit is not chosen]


def within(a, b, fraction):
    return abs(a - b) <= fraction * max(a, b)


def keep_readable(units):
    """At most MAX_UNITS units, leaving out the least useful first; the first unit stays.

    In turn, each from the end: a unit of the same weight as an earlier one (the same portion
    under another name), the "NLEA serving" (a labelling reference amount), a unit within 10 %
    of an earlier one of the same thing ("honeybun (5 x 3-1/2)" after "honeybun (4-1/2 x 3-1/2)"),
    then the last units.
    """
    def same_weight(unit, earlier):
        return any(within(unit["factor"], other["factor"], 1e-9) for other in earlier)

    def label_serving(unit, earlier):
        return unit["name"].lower() == "nlea serving"

    def near_repeat(unit, earlier):
        word = singular(first_word(unit["name"]))
        return any(singular(first_word(other["name"])) == word
                   and within(unit["factor"], other["factor"], 0.10) for other in earlier)

    units = list(units)
    for rule in (same_weight, label_serving, near_repeat):
        index = len(units) - 1
        while len(units) > MAX_UNITS and index > 0:
            if rule(units[index], units[:index]):
                del units[index]
            index -= 1
    return units[:MAX_UNITS]


def food_units(food, pair, scale):
    """The food's own units, in the order the unit box lists them: [{"factor", "name"}]."""
    volume = pair == "ml"
    seen = set(PAIR_UNITS[pair])
    units = []
    for measure in food["measures"]:
        unit = fluid_ounce_unit(measure, scale) if volume else None
        if unit:
            factor, name = unit
            if name == US_FL_OZ_NAME and within(factor, PAIR_FL_OZ_ML, 0.01):
                continue
            amount = 1.0
        else:
            factor, name = measure["grams"] / measure["amount"] / scale, measure["name"]
            amount = measure["amount"]
        if name.lower() in seen:
            continue
        seen.add(name.lower())
        units.append({"factor": factor, "name": name, "amount": amount})
    return keep_readable(serving_first(units, food, volume))


def food_density(food):
    """density(), worked out (and warned about) once per food."""
    if "density" not in food:
        food["density"] = density(food)
    return food["density"]


def table_line(food):
    rho = food_density(food)
    pair = "ml" if rho else "g"
    scale = rho if rho else 1.0  # per 100 g -> per 100 mL

    fields = [food["name"], pair]
    for name in NUTRIENTS:
        value = food["nutrients"].get(name, 0.0)
        fields.append(number_text(value * scale) if value > 0 else "-")
    fields.extend("%s %s" % (number_text(unit["factor"]), unit["name"])
                  for unit in food_units(food, pair, scale))
    return "\t".join(fields)


def retinol_activity(values):
    """Vitamin A in ug RAE, or None when the source does not allow it.

    From retinol and the three provitamin A carotenoids when all four are given. Where some are
    missing, from those given when they account for the whole IU value (the missing ones hold no
    vitamin A), which also makes an IU value of 0 zero.
    """
    given = [name for name in RAE_FACTORS if name in values]
    activity = sum(values[name] * RAE_FACTORS[name] for name in given)
    if len(given) == len(RAE_FACTORS):
        return activity
    iu = values.get("Vitamin A")
    if iu is None:
        return None
    explained = sum(values[name] * IU_PER_UG[name] for name in given)
    return activity if abs(iu - explained) <= max(1.0, 0.02 * iu) else None


def nutrient_line(food):
    """The food's line of the nutrient table, per 100 g or per 100 mL as in foods.tsv."""
    rho = food_density(food)
    scale = rho if rho else 1.0
    values = food["nutrients"]
    fields = [food["name"]]
    for key, source, factor in ALL_NUTRIENTS:
        value = values.get(source) if source else retinol_activity(values)
        fields.append("-" if value is None else number_text(value * factor * scale))
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


NUTRIENT_HEADER = """\
# Corvalo nutrient table: every nutrient of the USDA SR24 foods in foods.tsv, one food a line in
# the same order, per 100 g (per 100 mL where foods.tsv measures the food by volume); "-" where
# the source has no value, which is not 0. Columns: the header line below. Units, derived values
# and how they were established: README.md beside this file.
"""


def main(argv):
    if len(argv) not in (3, 4):
        print("usage: foodimport.py usda_sr24.jar foods.tsv [nutrients.tsv]", file=sys.stderr)
        return 2
    nutrients_path = argv[3] if len(argv) == 4 else os.path.join(
        os.path.dirname(argv[2]), "nutrients.tsv")
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
    with open(nutrients_path, "w", encoding="utf-8", newline="\n") as out:
        out.write(NUTRIENT_HEADER)
        out.write("\t".join(["name"] + [key for key, _, _ in ALL_NUTRIENTS]) + "\n")
        for food in foods:
            out.write(nutrient_line(food) + "\n")
    volume = sum(1 for food in foods if food_density(food))
    print("%d foods, %d measured by volume" % (len(foods), volume), file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
