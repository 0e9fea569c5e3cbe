# The fonts the captions are drawn in (tools/make_assets.sh): Japanese has
# one of its own, cut from Debian's Noto Sans CJK JP with fontTools to the
# characters po/ja.po uses.
ASSET_PACKAGES += python3-fonttools fonts-noto-cjk

.PHONY: fonts

# Cuts the fonts again, and nothing else, after the Japanese words change.
fonts: assets-deps
	bash tools/make_assets.sh fonts
