#!/usr/bin/env python3
"""Writes the phonetic dictionary data/OriginalPhonetic/Phonetic.txt.

The words are the common English words of SCOWL (Debian package "scowl"): sizes 10, 20 and 35,
which hold the most frequent words, in both American and British spelling, without possessive
forms. Their British (Received Pronunciation) transcriptions come from espeak-ng (Debian package
"espeak-ng"), one process reading one word per line, and are then written the way a learner's
dictionary writes them: stress marks at the start of the syllable, "r" for the English r, "e"
for the vowel of "bed", "ɪə" for the vowel of "near", "ə" for every schwa, and no stress mark on
a word of one syllable.

Where a shipped dictionary (data/OriginalDictionaries) gives a one-word card its own
transcription, checked by hand, that transcription is taken instead; so are the few corrections
below, for common words that espeak-ng gets wrong.

    apt-get install scowl espeak-ng
    python3 tools/make_phonetic.py

The file is UTF-8 with a byte-order mark and CR LF line ends, one "word = [transcription]" a
line, sorted by word without regard to letter case.
"""

import pathlib
import re
import subprocess
import sys

SCOWL = pathlib.Path("/usr/share/dict/scowl")
LISTS = [f"{variety}-{kind}.{size}"
         for size in (10, 20, 35)
         for kind in ("words", "upper", "contractions")
         for variety in ("english", "american", "british")]
VOICE = "en-gb-x-rp"
DATA = pathlib.Path(__file__).resolve().parent.parent / "data"
CARDS = DATA / "OriginalDictionaries"
OUTPUT = DATA / "OriginalPhonetic/Phonetic.txt"

VOWELS = set("aeiouæɑɒɔəɛɜɪʊʌɐᵻɚ")
STRESS = "ˈˌ"
RESTYLE = {"ɹ": "r", "ɐ": "ə", "ɛ": "e", "iə": "ɪə", "ᵻ": "ɪ", "ɾ": "t", "ɚ": "ə", "ʔ": "t",
           "n̩": "ən"}

# Common words that espeak-ng transcribes wrongly and no shipped card covers.
CORRECTIONS = {
    "anyone": "ˈenɪwʌn", "autumn": "ˈɔːtəm", "drastic": "ˈdræstɪk", "February": "ˈfebrʊərɪ",
    "husband": "ˈhʌzbənd", "January": "ˈdʒænjʊərɪ", "July": "dʒʊˈlaɪ", "none": "nʌn",
    "ones": "wʌnz", "oneself": "wʌnˈself", "sarcastic": "sɑːˈkæstɪk",
    "thirteen": "ˌθɜːˈtiːn", "fourteen": "ˌfɔːˈtiːn", "fifteen": "ˌfɪfˈtiːn",
    "sixteen": "ˌsɪksˈtiːn", "seventeen": "ˌsevnˈtiːn", "eighteen": "ˌeɪˈtiːn",
    "nineteen": "ˌnaɪnˈtiːn",
}

# Consonant clusters that may begin an English syllable. A stress mark moves left over the
# longest of them that ends right before its vowel.
ONSETS = {tuple(cluster.split()) for cluster in """
    p l|b l|k l|ɡ l|f l|s l|p r|b r|t r|d r|k r|ɡ r|f r|θ r|ʃ r|t w|d w|k w|ɡ w|s w|θ w
    s p|s t|s k|s m|s n|s f|s p l|s p r|s t r|s k r|s k w|s p j|s t j|s k j
    p j|b j|t j|d j|k j|ɡ j|m j|n j|f j|v j|h j|l j|s j|θ j|z j
""".replace("\n", "|").split("|") if cluster.strip()}


def words():
    """The words of the chosen lists, each once, in list order."""
    seen = set()
    for name in LISTS:
        path = SCOWL / name
        if not path.exists():
            continue
        for word in path.read_text(encoding="utf-8").split():
            if word.endswith("'s") or (len(word) == 1 and word not in ("a", "I")):
                continue
            if word not in seen:
                seen.add(word)
                yield word


def card_transcriptions():
    """The transcriptions that the shipped cards give their one-word questions, as the program
    shows them: "[a], [b]"."""
    found = {}
    for path in sorted(CARDS.rglob("*.txt")):
        for line in path.read_text(encoding="utf-8-sig").splitlines():
            question = line.partition("=")[0]
            groups = re.findall(r"\[([^\]]*)\]", question)
            word = re.sub(r"\[[^\]]*\]", "", question).strip()
            if groups and re.fullmatch(r"[A-Za-z']+", word):
                found.setdefault(word, ", ".join(f"[{group}]" for group in groups))
    return found


def espeak(batch):
    """espeak-ng's phonemes for each word, separated by "_", one line per word."""
    result = subprocess.run(["espeak-ng", "-q", "--ipa", "--sep=_", "-v", VOICE],
                            input="\n".join(batch) + "\n", capture_output=True,
                            text=True, check=True)
    lines = result.stdout.splitlines()
    if len(lines) != len(batch):
        raise RuntimeError(f"espeak-ng gave {len(lines)} lines for {len(batch)} words")
    return [line.strip() for line in lines]


def is_vowel(phoneme):
    return any(ch in VOWELS for ch in phoneme)


def onset_length(tokens, vowel):
    """How many consonants before the vowel begin its syllable: the longest run that may begin
    an English syllable, or all of them at the start of the word."""
    best = 0
    length = 0
    while length < vowel and not is_vowel(tokens[vowel - length - 1]):
        length += 1
        cluster = tuple(tokens[vowel - length:vowel])
        if (length == 1 and cluster[0] != "ŋ") or cluster in ONSETS or length == vowel:
            best = length
    return best


def restyle_word(phonemes):
    """One spoken word: phoneme tokens, stress marks on their vowels, to dictionary style."""
    marks = {}
    tokens = []
    for token in phonemes:
        mark = ""
        if token and token[0] in STRESS:
            mark, token = token[0], token[1:]
        tokens.append(RESTYLE.get(token, token))
        if mark:
            marks[len(tokens) - 1] = mark
    syllables = sum(1 for t in tokens if is_vowel(t))
    out = list(tokens)
    for vowel, mark in sorted(marks.items(), reverse=True):
        if syllables < 2:
            break
        out.insert(vowel - onset_length(tokens, vowel), mark)
    return "".join(out)


def restyle(line):
    return " ".join(restyle_word(word.split("_")) for word in line.split())


def main():
    all_words = list(words())
    entries = {}
    for begin in range(0, len(all_words), 2000):
        batch = all_words[begin:begin + 2000]
        for word, ipa in zip(batch, map(restyle, espeak(batch))):
            # A word that espeak-ng split in two (an abbreviation spelt out) is left out.
            if ipa and " " not in ipa:
                entries[word] = f"[{CORRECTIONS.get(word, ipa)}]"
    entries.update(card_transcriptions())
    lines = sorted(entries.items(), key=lambda entry: (entry[0].casefold(), entry[0]))
    OUTPUT.parent.mkdir(parents=True, exist_ok=True)
    text = "".join(f"{word} = {transcription}\r\n" for word, transcription in lines)
    OUTPUT.write_bytes(b"\xef\xbb\xbf" + text.encode("utf-8"))
    print(f"{len(lines)} words written to {OUTPUT}", file=sys.stderr)


if __name__ == "__main__":
    main()
