#!/usr/bin/env python3
"""The English catalog is complete and true to the code.

- lupdate run over the sources would not change translations/veldrio_en.ts
  (no text of the code is missing from it, none is left over);
- no message is unfinished or empty;
- every translation keeps its source's printf conversions and Qt
  placeholders in the same order, its line breaks, and at most one
  accelerator;
- no translation holds a Japanese or full-width character.
"""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
ts = os.path.join(root, 'translations', 'veldrio_en.ts')
problems = []

with tempfile.TemporaryDirectory() as scratch:
    copy = os.path.join(scratch, 'veldrio_en.ts')
    shutil.copy(ts, copy)
    subprocess.run([os.path.join(root, 'translations', 'update'), copy], check=True)
    if open(copy, encoding='utf-8').read() != open(ts, encoding='utf-8').read():
        diff = subprocess.run(['diff', ts, copy], capture_output=True, text=True).stdout
        problems.append('translations/update would change the catalog (run it and write the new English):\n' + diff[:3000])


def plain(xml):
    xml = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', lambda m: chr(int(m.group(1), 16)), xml)
    return html.unescape(xml)


conversion = re.compile(r'%[-+ #0]*\d*(?:\.\d+)?(?:l|ll|h|z)?[diouxXeEfgGcs%]|%\d')
japanese = re.compile('[\u3000-\u9fff\uff00-\uffef]')
text = open(ts, encoding='utf-8').read()
messages = re.findall(r'<message>\s*<source>(.*?)</source>\s*<translation([^>]*)>(.*?)</translation>', text, re.S)
if not messages:
    problems.append('no message found in ' + ts)
for source_xml, attributes, translation_xml in messages:
    source, translation = plain(source_xml), plain(translation_xml)
    where = repr(source[:60])
    if 'unfinished' in attributes or not translation:
        problems.append(f'unfinished: {where}')
        continue
    if conversion.findall(source) != conversion.findall(translation):
        problems.append(f'placeholders differ: {where} -> {translation!r}')
    for brk in ('\r\n', '\n', '\t'):
        if source.count(brk) != translation.count(brk):
            problems.append(f'{brk!r} count differs: {where} -> {translation!r}')
            break
    if translation.replace('&&', '').count('&') > 1:
        problems.append(f'more than one accelerator: {translation!r}')
    if japanese.search(translation):
        problems.append(f'Japanese left in the translation of {where}: {translation!r}')

for problem in problems:
    print(problem)
print(f'{len(messages)} messages, {len(problems)} problems')
sys.exit(1 if problems else 0)
