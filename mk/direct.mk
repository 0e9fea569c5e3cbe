# make test-direct: every test program run directly, all its cases in one
# process, shuffled and twice over, on both SDL 1.2 providers. No case may
# rely on CTest giving it a process of its own.

.PHONY: test-direct

test-direct: test-deps build
	bash tests/run_direct.sh $(BUILD_DIR) "" $(COMPAT_LIBS)
