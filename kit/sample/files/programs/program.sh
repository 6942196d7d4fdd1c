#!/bin/sh
# @NAME@: @ROLE@, Kestrix @VERSION@.
# The product's programs are small scripts on this platform; each one says what it is.
echo "@NAME@ - @ROLE@ (Kestrix, versiunea @VERSION@)"
exit 0
