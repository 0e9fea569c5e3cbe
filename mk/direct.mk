# make test-direct: every test program run directly, all its cases in one
# process, shuffled and twice over, on each SDL 1.2 provider that make test
# runs on. No case may rely on CTest giving it a process of its own.

.PHONY: test-direct

test-direct: test-deps build
	@COMPAT_LIBS=$(COMPAT_LIBS) bash tools/packages.sh test-runs | cut -d'|' -f2 | \
	  xargs -d '\n' bash tests/run_direct.sh $(BUILD_DIR)
