# The Debian package of an installation (scripts/package.sh):
# cpack -G DEB in the build folder makes primorator_<version>_amd64.deb of what
# cmake --install puts below /usr, its dependencies found by dpkg-shlibdeps.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME primorator)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Primorator project")
set(CPACK_PACKAGE_CONTACT "Primorator project <primorator@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Prime factorisation explorer for the integers up to 2,147,483,646")
set(CPACK_PACKAGE_DESCRIPTION
  "Primorator factors every number of a range, lists and counts primes and prime
pairs, lists all proper factors, and draws three histograms of the prime
factors: the numbers with n distinct primes, the Erdos-Kac values and the
Palmen colour frequencies, with filters such as 2^N - 1. It comes with a
window (primorator) and a command-line tool (primorator-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The kernels are the program's own, loaded from its folder, not system libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PRIMORATOR_BIN_DIR})
set(CPACK_STRIP_FILES ON)
include(CPack)
