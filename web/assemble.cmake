# Finishes the site and makes its single-file twin:
#   cmake -DSITE=... -DSOURCES=web/ -DSINGLE_FILE=... -DRELEASE=1.0.0 \
#         -P assemble.cmake
# The page writer leaves placeholders where the two differ (@STYLES@, @SCRIPTS@, @ICON@,
# @PICTURE@, @MANIFEST@, @POLICY@). The site's page comes with its styles inside, the
# digests of the files it loads, the loader (loader.js) and a policy that lets it run
# nothing else; its worker comes with the list of files it keeps, and the site with the
# headers a host should send. The single file is the same page with everything inside.
cmake_policy(VERSION 3.25)

# The base64 of a SHA-256, as subresource integrity and content security policies write it.
function(digest_of_file path out)
  execute_process(COMMAND sha256sum ${path} COMMAND cut -c1-64 COMMAND tr a-f A-F
                  COMMAND basenc --base16 -d COMMAND base64 -w0
                  OUTPUT_VARIABLE digest COMMAND_ERROR_IS_FATAL ANY)
  set(${out} "sha256-${digest}" PARENT_SCOPE)
endfunction()
function(digest_of_text text out)
  set(scratch ${SITE}/../digest-scratch)
  file(WRITE ${scratch} "${text}")
  digest_of_file(${scratch} digest)
  file(REMOVE ${scratch})
  set(${out} ${digest} PARENT_SCOPE)
endfunction()

# A block of the page: <tag ATTRIBUTES>, `content`, </tag>, whose digest is added to the
# list `digests`: the policy lets that block run, and no other.
#   inline_block(TAG CONTENT OUT DIGESTS [ATTRIBUTES])
function(inline_block tag content out digests_var)
  digest_of_text("${content}" digest)
  set(attributes "")
  if(ARGN)
    set(attributes " ${ARGN}")
  endif()
  set(${out} "<${tag}${attributes}>${content}</${tag}>" PARENT_SCOPE)
  set(${digests_var} ${${digests_var}} "'${digest}'" PARENT_SCOPE)
endfunction()

# What the page may do: run its own scripts and the blocks listed by digest, compile its
# WebAssembly, show its own styles and pictures, and nothing else: no other origin, no
# plugin, no form sent anywhere, no other base address, and no script made from a string
# (Trusted Types: only the loader's policy may name a script to load).
function(policy out scripts styles pictures workers trusted_types)
  list(JOIN scripts " " scripts)
  list(JOIN styles " " styles)
  set(directives "default-src 'none'" "script-src ${scripts} 'wasm-unsafe-eval'"
      "style-src ${styles}" "img-src ${pictures}" "base-uri 'none'" "form-action 'none'"
      "object-src 'none'" "require-trusted-types-for 'script'" "trusted-types ${trusted_types}")
  if(workers)
    list(APPEND directives "connect-src 'self'" "manifest-src 'self'" "worker-src 'self'")
  endif()
  list(JOIN directives "; " text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(READ ${SITE}/index.html page)
foreach(sheet design style)
  file(READ ${SITE}/${sheet}.css ${sheet}_css)
  file(REMOVE ${SITE}/${sheet}.css)
endforeach()

# The site's version: the release's, then a digest of its files.
set(files index.html app.js morvane101.js morvane101.wasm manifest.webmanifest gecko.png
          icon-64.png icon-192.png)
file(READ ${SOURCES}/loader.js loader)
set(contents "${page}${design_css}${style_css}${loader}")
foreach(name ${files})
  if(NOT name STREQUAL "index.html")
    file(READ ${SITE}/${name} bytes HEX)
    string(APPEND contents "${name}${bytes}")
  endif()
endforeach()
string(MD5 version "${contents}")
string(SUBSTRING ${version} 0 12 version)
set(version ${RELEASE}-${version})
string(REPLACE "@VERSION@" ${version} page "${page}")

# Fills the placeholders in which the site and the single file differ: `name` (PICTURE for
# @PICTURE@) with `value`. A function, not a macro: a macro's arguments are read again, and
# the backslashes of the scripts it is given would be taken for escapes.
function(fill page_var name value)
  string(REPLACE "@${name}@" "${value}" page "${${page_var}}")
  set(${page_var} "${page}" PARENT_SCOPE)
endfunction()

# The styles go inside the page: the splash then paints as soon as the page has arrived,
# without waiting for more requests.
macro(put_styles page_var digests_var)
  set(styles "")
  foreach(sheet design style)
    inline_block(style "\n${${sheet}_css}" block ${digests_var})
    string(APPEND styles "${block}")
  endforeach()
  fill(${page_var} STYLES "${styles}")
endmacro()

set(site_page "${page}")
set(site_styles "")
put_styles(site_page site_styles)
fill(site_page ICON icon-64.png)
fill(site_page PICTURE gecko.png)
fill(site_page MANIFEST "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n")

# The page loads its scripts and its engine by this version, each checked against the digest
# of its bytes: a deploy under way never mixes two versions in one page. The loader, inside
# the page, is the one script the page's policy lets run from it.
set(asked_by_version app.js morvane101.js morvane101.wasm)
set(loaded "")
foreach(name ${asked_by_version})
  digest_of_file(${SITE}/${name} digest)
  list(APPEND loaded "\"${name}\": \"${digest}\"")
endforeach()
list(JOIN loaded ", " loaded)
set(loader_scripts "")
inline_block(script "\n${loader}" loader_block loader_scripts "id=\"loader\"")
fill(site_page SCRIPTS "<script id=\"loaded\" type=\"application/json\">{${loaded}}</script>\n${loader_block}")
policy(site_policy "'self';${loader_scripts}" "${site_styles}" "'self'" ON "loader worker")
fill(site_page POLICY "${site_policy}")
file(WRITE ${SITE}/index.html "${site_page}")

# What a host should send with every file (Netlify and Cloudflare Pages read this file; the
# README says the same for any other host): the same policy, which no page of another site
# may frame; HTTPS from the first visit on; each file's type as sent.
file(WRITE ${SITE}/_headers "/*
  Content-Security-Policy: ${site_policy}; frame-ancestors 'none'
  Strict-Transport-Security: max-age=63072000
  X-Content-Type-Options: nosniff
  Referrer-Policy: no-referrer
  Cross-Origin-Opener-Policy: same-origin
/*.wasm
  Content-Type: application/wasm
/*.webmanifest
  Content-Type: application/manifest+json
")

# The worker takes a file only if it is this version's, each listed with its digest. It
# keeps each under the address the page asks for: the page itself as "./", its scripts and
# engine by its version, the pictures and the manifest by their names.
digest_of_file(${SITE}/index.html page_digest)
set(listed "[\"./\", \"${page_digest}\"]")
foreach(name ${files})
  if(name STREQUAL "index.html")
    continue()
  endif()
  digest_of_file(${SITE}/${name} digest)
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

# The single file: styles, scripts and pictures inside, no manifest and no service worker,
# so that it works opened from disk with no network at all.
function(base64_of path out)
  execute_process(COMMAND base64 -w0 ${path} OUTPUT_VARIABLE encoded COMMAND_ERROR_IS_FATAL ANY)
  set(${out} "${encoded}" PARENT_SCOPE)
endfunction()
function(data_uri path type out)
  base64_of(${path} encoded)
  set(${out} "data:${type};base64,${encoded}" PARENT_SCOPE)
endfunction()

set(single "${page}")
set(single_styles "")
put_styles(single single_styles)
data_uri(${SITE}/icon-64.png image/png icon)
fill(single ICON "${icon}")
data_uri(${SITE}/gecko.png image/png gecko)
fill(single PICTURE "${gecko}")
fill(single MANIFEST "")
# The engine as base64 in a block of data that app.js hands to the engine's script.
base64_of(${SITE}/morvane101.wasm engine)
file(READ ${SITE}/morvane101.js board)
file(READ ${SITE}/app.js app)
set(single_scripts "")
inline_block(script "\n${board}" board_block single_scripts)
inline_block(script "\n${app}" app_block single_scripts)
fill(single SCRIPTS
     "<script id=\"engine\" type=\"application/octet-stream\">${engine}</script>\n${board_block}\n${app_block}")
policy(single_policy "${single_scripts}" "${single_styles}" "data:" OFF "'none'")
fill(single POLICY "${single_policy}")
file(WRITE ${SINGLE_FILE} "${single}")
