# make test-web first links the browser build again and checks that it gives
# the same bytes (tests/web/reproducible.sh): a new service worker cache for
# an unchanged game would download it again to every player.
.PHONY: test-web-reproducible
test-web: test-web-reproducible
test-web-reproducible: web
	$(WEB_ENV) sh tests/web/reproducible.sh $(WEB_DIR)
