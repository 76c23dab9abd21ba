# Compresses IN to OUT with GZIP, leaving out the name and time stamp.
#   cmake -DGZIP=<gzip> -DIN=<file> -DOUT=<file.gz> -P gzip_file.cmake
get_filename_component(out_dir ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${out_dir})
execute_process(COMMAND ${GZIP} -9 -n -c ${IN} OUTPUT_FILE ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${IN}: ${status}")
endif()
