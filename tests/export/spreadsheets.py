#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The export as a spreadsheet sees it: a small diary is exported by the real corvalo-cli under an
English and a German locale, and each export is converted by LibreOffice Calc, headless, under the
same locale, with the character set the files' byte order mark names (UTF-8). In the cells:
dates are dates, numbers are numbers (1.5 and 1,5 alike), names keep their accents, a name that
starts with "=" stays text, and a day without meals has empty totals.
Usage: spreadsheets.py CORVALO_CLI   (exit 77 when LibreOffice is not installed)"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile

SKIP = 77


def cells(xlsx):
    """{"A2": (kind, value, number format)} of the first sheet; kind "n" for numbers, "s" for
    text, "f" for a formula."""
    book = zipfile.ZipFile(xlsx)
    names = book.namelist()
    shared = []
    if "xl/sharedStrings.xml" in names:
        for item in re.findall(r"<si>(.*?)</si>", book.read("xl/sharedStrings.xml").decode(), re.S):
            text = re.sub(r"<[^>]+>", "", item)
            shared.append(text.replace("&apos;", "'").replace("&quot;", '"').replace("&amp;", "&"))
    styles = book.read("xl/styles.xml").decode()
    formats = dict(re.findall(r'<numFmt numFmtId="(\d+)" formatCode="([^"]*)"', styles))
    style_formats = re.findall(r'<xf [^>]*numFmtId="(\d+)"', styles.split("<cellXfs")[1])
    found = {}
    sheet = book.read("xl/worksheets/sheet1.xml").decode()
    for ref, attributes, body in re.findall(r'<c r="([A-Z]+\d+)"([^>]*?)(?:/>|>(.*?)</c>)', sheet):
        kind = re.search(r't="(\w+)"', attributes)
        style = re.search(r's="(\d+)"', attributes)
        value = re.search(r"<v>(.*?)</v>", body or "")
        kind = kind.group(1) if kind else "n"
        value = value.group(1) if value else ""
        if kind == "s":
            value = shared[int(value)]
        if re.search(r"<f[ >]", body or ""):
            kind = "f"
        number_format = ""
        if style:
            number_format = formats.get(style_formats[int(style.group(1))], "")
        if value != "" or kind == "f":
            found[ref] = (kind, value, number_format)
    return found


def main():
    cli = sys.argv[1]
    office = shutil.which("soffice") or shutil.which("libreoffice")
    if not office:
        print("LibreOffice is not installed: skipped")
        return SKIP
    failures = []

    def check(condition, what):
        if not condition:
            failures.append(what)

    with tempfile.TemporaryDirectory() as temp:
        env = dict(os.environ, HOME=temp, CORVALO_DATA=os.path.join(temp, "diary"))
        env.pop("LANGUAGE", None)

        def run(*arguments, locale="C.UTF-8"):
            result = subprocess.run([cli, *arguments], env=dict(env, LC_ALL=locale),
                                    capture_output=True, text=True)
            if result.returncode != 0:
                raise SystemExit(f"corvalo-cli {' '.join(arguments)}: {result.stderr}")

        run("add", "2026-12-01", "Milk, whole, 3.25% milkfat, with added vitamin D", "1.5", "cup")
        run("recipe", "save", "=2+3 Käsebrot Crème", "--servings", "2", "--from", "2026-12-01")
        run("add", "2026-12-02", "=2+3 Käsebrot Crème", "1", "serving")
        run("weight", "2026-12-02", "72.8")

        for locale, point in (("en_US.UTF-8", "."), ("de_DE.UTF-8", ",")):
            out = os.path.join(temp, locale)
            run("export", "--from", "2026-12-01", "--to", "2026-12-03", out, locale=locale)
            for name in ("meals", "days"):
                with open(os.path.join(out, name + ".csv"), "rb") as csv:
                    check(csv.read(3) == b"\xef\xbb\xbf", f"{locale} {name}.csv: no byte order mark")
                profile = "file://" + os.path.join(temp, "office-" + locale)
                subprocess.run([office, "--headless", f"-env:UserInstallation={profile}",
                                "--infilter=CSV:44,34,76", "--convert-to", "xlsx", "--outdir", out,
                                os.path.join(out, name + ".csv")],
                               env=dict(env, LC_ALL=locale, LANG=locale), capture_output=True,
                               timeout=180)
            meals = cells(os.path.join(out, "meals.xlsx"))
            days = cells(os.path.join(out, "days.xlsx"))
            where = f"{locale} (decimal {point})"
            for sheet, rows in (("meals", (2, 3)), ("days", (2, 3, 4))):
                for row in rows:
                    kind, _, number_format = (meals if sheet == "meals" else days).get(
                        f"A{row}", ("", "", ""))
                    check(kind == "n" and "yy" in number_format,
                          f"{where}: {sheet} A{row} is no date ({kind}, {number_format})")
            check(meals.get("C2", ("",))[:2] == ("n", "1.5"), f"{where}: amount 1.5 is {meals.get('C2')}")
            check(meals.get("B3", ("",))[:2] == ("s", "'=2+3 Käsebrot Crème"),
                  f"{where}: the recipe's name is {meals.get('B3')}")
            for column in "EFGHIJKLMN":
                check(meals.get(f"{column}2", ("",))[0] == "n",
                      f"{where}: meals {column}2 is no number: {meals.get(f'{column}2')}")
            check(days.get("L3", ("",))[:2] == ("n", "72.8"), f"{where}: the weight is {days.get('L3')}")
            check(not any(f"{column}4" in days for column in "BCDEFGHIJK"),
                  f"{where}: a day without meals has totals")
            check(days.get("M4", ("",))[1] == "no", f"{where}: days M4 is {days.get('M4')}")
    for failure in failures:
        print(failure)
    print("spreadsheets: " + ("ok" if not failures else f"{len(failures)} failures"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
