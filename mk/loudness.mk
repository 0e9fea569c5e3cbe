# The sounds' loudness check in `make test` (tools/loudness.py) measures with
# Debian's python3 and numpy and decodes the music with lame.
TEST_PACKAGES += lame python3 python3-numpy
