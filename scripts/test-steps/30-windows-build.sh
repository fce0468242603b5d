#!/usr/bin/env bash
# Cross-builds QUINTARO.EXE and checks what it is made of: only DLLs that
# come with Windows, a GUI program, stripped, its resources as the program
# and its users expect them, and the committed icon and bitmap the ones the
# generator draws. Prints the exe's size.
set -euo pipefail
bash scripts/build-windows.sh
exe=build/windows/ui/win32/QUINTARO.EXE
objdump=x86_64-w64-mingw32-objdump

headers=$($objdump -p "$exe")
dlls=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$headers" | sort -u)
echo "imports: $(tr '\n' ' ' <<<"$dlls")"
system_dlls=" kernel32.dll user32.dll gdi32.dll msvcrt.dll advapi32.dll shell32.dll comctl32.dll comdlg32.dll ole32.dll oleaut32.dll "
for dll in $dlls; do
    if [[ "$system_dlls" != *" $dll "* ]]; then
        echo "QUINTARO.EXE needs $dll, which Windows does not bring" >&2
        exit 1
    fi
done
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" || { echo "QUINTARO.EXE is not a GUI program" >&2; exit 1; }
$objdump -t "$exe" | grep -q 'no symbols' || { echo "QUINTARO.EXE is not stripped" >&2; exit 1; }

size=$(stat -c %s "$exe")
echo "QUINTARO.EXE: $size bytes ($(( (size + 1023) / 1024 )) KiB)"

fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
python3 ui/resources/make_images.py "$fresh"
for image in quintaro.ico spectrum.bmp; do
    cmp -s "$fresh/$image" "ui/resources/$image" \
        || { echo "ui/resources/$image differs from what make_images.py draws" >&2; exit 1; }
done

python3 scripts/check-windows-resources.py "$exe" ui/resources
