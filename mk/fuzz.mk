# make fuzz: builds the libFuzzer targets with Clang, ASan and UBSan in
# $(FUZZ_DIR) and runs each for $(FUZZ_SECONDS) seconds from the seeds in
# fuzz/corpus/. What a run finds is written to $(FUZZ_DIR)/artifacts/ and
# fails the target; inputs it learns go to $(FUZZ_DIR)/corpus/, never into
# the repository's seeds.

FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := animation_fuzzer:animations object_file_fuzzer:objects
FUZZ_PACKAGES := $(TEST_PACKAGES) clang-14 libclang-rt-14-dev

# Object files of many records load many pictures: longer inputs only slow
# the search down.
FUZZ_FLAGS := -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -timeout=30 -rss_limit_mb=2048 \
	-print_final_stats=1

# As for the sanitized tests, less the full malloc stacks, which would slow
# every execution down several times over.
FUZZ_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: fuzz fuzz-build fuzz-deps

fuzz: fuzz-deps fuzz-build
	@set -e; for pair in $(FUZZ_TARGETS); do \
	  target=$${pair%%:*}; seeds=$${pair##*:}; \
	  mkdir -p $(FUZZ_DIR)/corpus/$$seeds $(FUZZ_DIR)/artifacts/$$target; \
	  echo "== $$target, $(FUZZ_SECONDS) s =="; \
	  env $(FUZZ_ENV) ./$(FUZZ_DIR)/fuzz/$$target $(FUZZ_FLAGS) \
	    -artifact_prefix=$(FUZZ_DIR)/artifacts/$$target/ \
	    $(FUZZ_DIR)/corpus/$$seeds fuzz/corpus/$$seeds; \
	done

fuzz-build:
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DFLATMATES_SANITIZE=ON -DFLATMATES_FUZZ=ON -DFLATMATES_TESTS=OFF -DFLATMATES_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target animation_fuzzer object_file_fuzzer

fuzz-deps:
	@$(call install_missing,$(FUZZ_PACKAGES))
