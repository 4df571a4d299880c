# Read by cpack before it makes a package. Without dpkg-shlibdeps CPack would
# only warn and write a Debian package that depends on nothing; stop instead.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(CALCULADOR_SHLIBDEPS dpkg-shlibdeps)
  if(NOT CALCULADOR_SHLIBDEPS)
    message(FATAL_ERROR "dpkg-shlibdeps is missing, so the package's dependencies cannot be computed; "
                        "install it first: scripts/install-deps.sh package")
  endif()
endif()
