# Run by `cmake --install` (and by CPack): builds the installed sample's
# db3.mdb with the content root it will be read from. Set beforehand:
# corvanel_collection_tool, corvanel_sample_catalogue, corvanel_sample_content,
# corvanel_collection_dir (relative to the prefix, or absolute).
set(collection_dir "${corvanel_collection_dir}")
if(NOT IS_ABSOLUTE "${collection_dir}")
    set(collection_dir "${CMAKE_INSTALL_PREFIX}/${collection_dir}")
endif()
cmake_path(NORMAL_PATH collection_dir)
string(REGEX REPLACE "/+$" "" collection_dir "${collection_dir}")
set(database "$ENV{DESTDIR}${collection_dir}/db3.mdb")

message(STATUS "Installing: ${database}")
execute_process(
    COMMAND "${corvanel_collection_tool}" build
            --catalogue "${corvanel_sample_catalogue}"
            --content "${corvanel_sample_content}"
            --out "${database}"
            --root "${collection_dir}/"
    RESULT_VARIABLE build_status
    OUTPUT_VARIABLE build_output
    ERROR_VARIABLE build_output)
if(NOT build_status EQUAL 0)
    message(FATAL_ERROR "Building the installed sample database failed:\n${build_output}")
endif()
file(CHMOD "${database}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${database}")
