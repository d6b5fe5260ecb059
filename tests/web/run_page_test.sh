#!/usr/bin/env bash
# Runs the page's checks in one engine on a private X server (WebKit's browser needs one;
# the others run headless beside it).
#   run_page_test.sh chromium|firefox|webkit SITE_DIR SINGLE_FILE EXPECTED_OUTCOMES.tsv \
#                    DESIGN_TABLES.js
set -euo pipefail
here=$(dirname "$0")
source "$here/../xvfb.sh"
start_xvfb 1280x1024
trap stop_xvfb EXIT
node "$here/page_test.mjs" "$@"
