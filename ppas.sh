#!/bin/sh
DoExitAsm ()
{ echo "An error occurred while assembling $1"; exit 1; }
DoExitLink ()
{ echo "An error occurred while linking $1"; exit 1; }
echo Linking /tmp/qt_temp-PWYMGE/Store
OFS=$IFS
IFS="
"
/usr/bin/ld.bfd -b elf64-x86-64 -m elf_x86_64  --dynamic-linker=/lib64/ld-linux-x86-64.so.2   -s  -L. -o /tmp/qt_temp-PWYMGE/Store -T link15274.res -e _start
if [ $? != 0 ]; then DoExitLink /tmp/qt_temp-PWYMGE/Store; fi
IFS=$OFS
