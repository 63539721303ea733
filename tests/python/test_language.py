# The language of the module's messages: Japanese by default whatever the
# locale, English with TREMBLO_LANG=en or set_language("en"), as the programs
# choose theirs; the English is that of translations/*.ts.
import os
import re
import subprocess
import sys

import pytest

JAPANESE = re.compile("[\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef]")
SCRIPT = """
import tremblo
print(tremblo.language())
for call in (lambda: tremblo.read_record("/nonexistent/X.NS"), lambda: tremblo.response_spectrum([1.0, 2.0], 2.0)):
    try:
        call()
    except (OSError, ValueError) as error:
        print(error)
"""

# (TREMBLO_LANG, LANG, the language chosen, a warning expected)
ENVIRONMENTS = [
    (None, "C.UTF-8", "ja", False),
    (None, "en_US.UTF-8", "ja", False),
    ("en", "ja_JP.UTF-8", "en", False),
    ("en", "C.UTF-8", "en", False),
    ("ja", "en_US.UTF-8", "ja", False),
    ("english", "C.UTF-8", "ja", True),
]


@pytest.mark.parametrize("tremblo_lang,lang,chosen,warned", ENVIRONMENTS)
def test_messages_follow_tremblo_lang(tremblo_lang, lang, chosen, warned):
    environment = {k: v for k, v in os.environ.items() if k not in ("TREMBLO_LANG", "LC_ALL", "LC_MESSAGES")}
    environment["LANG"] = lang
    environment["PYTHONPATH"] = os.pathsep.join(sys.path)
    if tremblo_lang is not None:
        environment["TREMBLO_LANG"] = tremblo_lang
    done = subprocess.run([sys.executable, "-c", SCRIPT], env=environment, capture_output=True, text=True,
                          encoding="utf-8", check=True)
    language, *messages = done.stdout.splitlines()
    assert language == chosen
    assert len(messages) == 2
    assert messages[0].startswith("/nonexistent/X.NS: ") and messages[1].startswith("dt: ")
    for message in messages:
        assert bool(JAPANESE.search(message)) == (chosen == "ja"), message
    assert ("TREMBLO_LANG=english" in done.stderr) == warned


def test_set_language_switches_and_refuses_other_words(tremblo):
    before = tremblo.language()
    try:
        messages = {}
        for language in ("en", "ja"):
            tremblo.set_language(language)
            assert tremblo.language() == language
            with pytest.raises(ValueError) as raised:
                tremblo.response_spectrum([1.0, 2.0], 2.0)
            messages[language] = str(raised.value)
        assert not JAPANESE.search(messages["en"]) and JAPANESE.search(messages["ja"])
        with pytest.raises(ValueError):
            tremblo.set_language("fr")
        assert tremblo.language() == "ja"
    finally:
        tremblo.set_language(before)
