# The desktop entry, the software centres' metadata and the manual page in
# the languages of po/LINGUAS: the build merges their catalogues in with
# gettext's msgfmt and po4a (cmake/DesktopFiles.cmake), so po4a joins the
# set-up beside gettext.
#   make docs-po   brings po/desktop and po/man in step with the English in
#                  dist/ (po/desktop/update.sh, po/man/update.sh); make
#                  check-po then says whether they are wholly translated
RUN_PACKAGES += gettext po4a
TEST_PACKAGES += gettext po4a
# The benchmarks' list was copied from the tests' before this file was read.
BENCH_PACKAGES += gettext po4a

.PHONY: docs-po docs-po-deps

docs-po: docs-po-deps
	sh po/desktop/update.sh
	sh po/man/update.sh

docs-po-deps:
	@$(call install_missing,gettext po4a)

# The catalogues' check runs the same scripts.
check-po: docs-po-deps
