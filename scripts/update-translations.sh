#!/bin/sh
# Brings the translation catalogues in resources/translations/ up to date with the sources:
# new texts are added as unfinished, texts that left the sources are dropped. Run it after
# changing user-visible texts, then translate what lupdate marked unfinished (Qt Linguist or an
# editor); the build compiles the catalogues, and the "translations" test fails while a text is
# untranslated.
set -e
cd "$(dirname "$0")/.."
for lang in de pl en; do
    lupdate -silent -no-obsolete -locations none -source-language en \
        -target-language "$lang" \
        app ui report qtext document persistence calculation model settings htl \
        -ts "resources/translations/Mirelo2_$lang.ts"
done
