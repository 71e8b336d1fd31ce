# Read by cpack before it packs: every time stamp in the .deb becomes the
# time of the commit it is built from, so that two builds of one commit give
# the same file. A SOURCE_DATE_EPOCH set by the caller wins; outside a git
# checkout the files' own times stand.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_PB_SOURCE_DIR}" log -1 --format=%ct
                  OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
  if(NOT failed AND commit_time)
    set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
  endif()
endif()
