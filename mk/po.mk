# The game's words in other languages (po/, see po/README), with gettext's
# own tools:
#   make pot        extracts the template po/flatmates.pot from the sources
#                   (and the page's web/words.js); unchanged but for its date,
#                   it is left as it was
#   make update-po  the template, then merged into every po/<lang>.po
#   make check-po   fails unless the template is current and every catalogue
#                   of po/LINGUAS is merged, passes msgfmt --check and is
#                   wholly translated (make test runs it too, as po.catalogues)
#   make new-po CODE=xx  starts po/xx.po for a new language (then add xx to
#                   po/LINGUAS)
# The build compiles the catalogues with msgfmt (cmake/Locale.cmake), so
# gettext is in RUN_PACKAGES; the browser build compiles them too.
PO_LANGUAGES = $(shell sed -n '/^[a-z]/p' po/LINGUAS)

.PHONY: pot update-po check-po new-po po-deps

pot: po-deps
	sh po/make_pot.sh

update-po: pot
	@for language in $(PO_LANGUAGES); do \
	  printf '%s: ' $$language; \
	  msgmerge --update --backup=off --previous --no-wrap po/$$language.po po/flatmates.pot || exit 1; \
	done

check-po: po-deps
	sh tests/po/check_po.sh .

# The catalogue starts from the template, untranslated, with the language's
# plural rule (msginit's).
new-po: pot
	@[ -n "$(CODE)" ] || { echo "make new-po CODE=xx: which language?" >&2; exit 1; }
	@[ ! -e po/$(CODE).po ] || { echo "po/$(CODE).po already exists" >&2; exit 1; }
	msginit --no-translator --no-wrap --locale=$(CODE) --input=po/flatmates.pot --output-file=po/$(CODE).po

po-deps:
	@$(call install_missing,gettext)

# The browser build compiles the catalogues it packs.
web-deps: po-deps
