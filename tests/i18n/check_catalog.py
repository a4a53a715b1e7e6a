#!/usr/bin/env python3
"""The English catalog is complete and true to the code: lupdate would not change it, no message is
unfinished, every translation keeps its source's placeholders (printf and Qt, in order) and line breaks,
has at most one accelerator and no Japanese or full-width character."""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
ts = os.path.join(root, 'translations', 'veldrio_en.ts')
text = open(ts, encoding='utf-8').read()
problems = []
with tempfile.TemporaryDirectory() as scratch:
    copy = shutil.copy(ts, os.path.join(scratch, 'veldrio_en.ts'))
    subprocess.run([os.path.join(root, 'translations', 'update'), copy], check=True)
    if open(copy, encoding='utf-8').read() != text:
        problems.append('translations/update would change the catalog: run it and write the new English')


def plain(xml):
    return html.unescape(re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', lambda m: chr(int(m.group(1), 16)), xml))


conversion = re.compile(r'%[-+ #0]*\d*(?:\.\d+)?(?:l|ll|h|z)?[diouxXeEfgGcs%]|%\d')
messages = re.findall(r'<message>\s*<source>(.*?)</source>\s*<translation([^>]*)>(.*?)</translation>', text, re.S)
for source_xml, attributes, translation_xml in messages or [('', '', '')]:
    source, translation = plain(source_xml), plain(translation_xml)
    if ('unfinished' in attributes or not translation
            or conversion.findall(source) != conversion.findall(translation)
            or any(source.count(brk) != translation.count(brk) for brk in ('\r\n', '\n', '\t'))
            or translation.replace('&&', '').count('&') > 1
            or re.search('[\u3000-\u9fff\uff00-\uffef]', translation)):
        problems.append(f'{source[:60]!r} -> {translation!r}')

print('\n'.join(problems + [f'{len(messages)} messages, {len(problems)} problems']))
sys.exit(1 if problems else 0)
