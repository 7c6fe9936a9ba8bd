# Names derived from the project and the web site, set before any target uses them.
#
# SERAPHEL_APP_ID: the reverse-DNS id that names the desktop entry, the AppStream component and
# the icon, and that the program announces to the desktop; the site's host reversed, without
# "www", plus the project name: "https://www.seraphel.example" gives example.seraphel.Seraphel.
# SERAPHEL_SITE_DOMAIN: that host without "www" (seraphel.example), for mail addresses.

# The program appends page paths to the base URL, so it must be a scheme and host only.
if(NOT SERAPHEL_BASE_URL MATCHES "^https?://([A-Za-z0-9.-]+)(:[0-9]+)?$")
    message(FATAL_ERROR "SERAPHEL_BASE_URL must be a scheme and host without a path or a trailing slash, "
                        "such as https://www.seraphel.example; it is \"${SERAPHEL_BASE_URL}\"")
endif()
string(TOLOWER "${CMAKE_MATCH_1}" _seraphel_host)
string(REGEX REPLACE "^www\\." "" SERAPHEL_SITE_DOMAIN "${_seraphel_host}")

# Each part of a reverse-DNS id is a C identifier: hyphens become underscores, and a part
# that starts with a digit gets an underscore in front.
string(REPLACE "-" "_" _seraphel_parts "${SERAPHEL_SITE_DOMAIN}")
string(REPLACE "." ";" _seraphel_parts "${_seraphel_parts}")
list(REVERSE _seraphel_parts)
list(TRANSFORM _seraphel_parts REPLACE "^([0-9])" "_\\1")
list(JOIN _seraphel_parts "." _seraphel_reversed)
set(SERAPHEL_APP_ID "${_seraphel_reversed}.${PROJECT_NAME}")

# The captions read "Seraphel v2.00": CMake keeps the version as written, so project() must
# give it with two decimals.
if(NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9][0-9]$")
    message(FATAL_ERROR "The window captions show the version as vN.NN; give project() a version "
                        "such as 2.00, not \"${PROJECT_VERSION}\"")
endif()
