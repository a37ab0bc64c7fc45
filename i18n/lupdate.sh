#!/bin/sh
# lupdate.sh LUPDATE TS_FILE: brings a translation source up to date with the
# texts marked in the program's sources. The sources are Japanese; entries
# without a place in the sources keep no line numbers, so moving code does not
# touch the translations.
set -e
lupdate=$1
ts=$2
cd "$(dirname "$0")/.."
"$lupdate" -silent -locations none -no-obsolete -source-language ja_JP -target-language en_US \
    -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=TrNoop \
    -extensions cpp,h app assets cards koikoi hanaawase table platform -ts "$ts"
