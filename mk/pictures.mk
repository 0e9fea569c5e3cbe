# make pictures: the README's pictures in docs/, taken from the real game on
# a virtual X server (with the window tests' packages).
.PHONY: pictures

pictures: test-deps build
	/usr/bin/python3 tools/readme_pictures.py $(BUILD_DIR)/flatmates docs
