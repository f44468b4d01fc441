# Run by CPack after the install into its staging folder (the programs
# already stripped) and before the archive is made:
#  - the compilers' .comment and .note sections go from the programs and
#    the helper program, as Debian's dh_strip removes them (they only name
#    the compiler versions);
#  - every file and folder gets the time SOURCE_DATE_EPOCH, so that two
#    builds of one commit give the same package bytes.
set(staging "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
file(GLOB programs "${staging}/usr/bin/*" "${staging}/bin/*" "${staging}/usr/libexec/pruz/*")
foreach(program ${programs})
  execute_process(COMMAND objcopy --remove-section=.comment --remove-section=.note "${program}"
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(
    COMMAND find "${staging}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
    COMMAND_ERROR_IS_FATAL ANY)
endif()
