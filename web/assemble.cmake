# Finishes the site and makes its single-file twin:
#   cmake -DSITE=... -DSOURCES=web/ -DINLINE_BOARD=... -DSINGLE_FILE=... -DRELEASE=1.0.0 \
#         -P assemble.cmake
cmake_policy(VERSION 3.25)

# The styles go inside the page: the splash then paints as soon as the page has arrived,
# without waiting for more requests.
file(READ ${SITE}/index.html page)
foreach(sheet ${SITE}/design.css ${SITE}/style.css)
  file(READ ${sheet} css)
  get_filename_component(name ${sheet} NAME)
  string(REPLACE "<link rel=\"stylesheet\" href=\"${name}\">" "<style>\n${css}</style>" page
         "${page}")
endforeach()
file(REMOVE ${SITE}/design.css ${SITE}/style.css)
file(WRITE ${SITE}/index.html "${page}")

# The service worker keeps every file of the site, under a name that changes with them: the
# release's version, then a digest of the files.
set(files index.html app.js morvane101.js morvane101.wasm manifest.webmanifest gecko.png
          icon-64.png icon-192.png)
set(contents "")
foreach(name ${files})
  file(READ ${SITE}/${name} bytes HEX)
  string(APPEND contents "${name}${bytes}")
endforeach()
string(MD5 version "${contents}")
string(SUBSTRING ${version} 0 12 version)
set(version ${RELEASE}-${version})
# The page asks for its scripts by this version.
string(REPLACE "@VERSION@" ${version} page "${page}")
file(WRITE ${SITE}/index.html "${page}")

# The worker takes a file only if it is this version's: each is listed with the digest of its
# bytes, as subresource integrity writes it (base64 of the SHA-256). It keeps each under the
# address the page asks for: the page itself as "./", its scripts and engine by its version
# (the loader and app.js add "?v="), the pictures and the manifest by their names.
function(integrity path out)
  execute_process(COMMAND sha256sum ${path} COMMAND cut -c1-64 COMMAND tr a-f A-F
                  COMMAND basenc --base16 -d COMMAND base64 -w0
                  OUTPUT_VARIABLE digest COMMAND_ERROR_IS_FATAL ANY)
  set(${out} "sha256-${digest}" PARENT_SCOPE)
endfunction()
set(asked_by_version app.js morvane101.js morvane101.wasm)
integrity(${SITE}/index.html page_digest)
set(listed "[\"./\", \"${page_digest}\"]")
foreach(name ${files})
  if(name STREQUAL "index.html")
    continue()
  endif()
  integrity(${SITE}/${name} digest)
  set(address ${name})
  if(name IN_LIST asked_by_version)
    set(address "${name}?v=${version}")
  endif()
  string(APPEND listed ",\n  [\"${address}\", \"${digest}\"]")
endforeach()
file(READ ${SOURCES}/sw.js worker)
string(REPLACE "@VERSION@" ${version} worker "${worker}")
string(REPLACE "@FILES@" "${listed}" worker "${worker}")
file(WRITE ${SITE}/sw.js "${worker}")

# The single file: styles, scripts and pictures inline, no manifest and no service worker,
# so that it works opened from disk with no network at all.
function(data_uri path type out)
  execute_process(COMMAND base64 -w0 ${path} OUTPUT_VARIABLE encoded COMMAND_ERROR_IS_FATAL ANY)
  set(${out} "data:${type};base64,${encoded}" PARENT_SCOPE)
endfunction()

string(REPLACE "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n" "" page "${page}")
string(REGEX REPLACE "<script id=\"loader\">.*</script>\n" "" page "${page}")
data_uri(${SITE}/icon-64.png image/png icon)
string(REPLACE "href=\"icon-64.png\"" "href=\"${icon}\"" page "${page}")
data_uri(${SITE}/gecko.png image/png gecko)
string(REPLACE "src=\"gecko.png\"" "src=\"${gecko}\"" page "${page}")
file(READ ${INLINE_BOARD} board)
file(READ ${SITE}/app.js app)
string(REPLACE "</body>" "<script>\n${board}</script>\n<script>\n${app}</script>\n</body>" page
       "${page}")
file(WRITE ${SINGLE_FILE} "${page}")
