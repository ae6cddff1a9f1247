# The release package: build/dist/Pratilo-<version>.zip (scripts/dist.py), made with the program and
# its payload; `make dist` makes it afresh and prints its SHA-256.
set(pratilo_dist_zip ${CMAKE_BINARY_DIR}/dist/Pratilo-${PROJECT_VERSION}.zip)
file(GLOB pratilo_dist_docs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.in)
add_custom_command(OUTPUT ${pratilo_dist_zip}
                   COMMAND python3 ${CMAKE_SOURCE_DIR}/scripts/dist.py ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
                           ${PRATILO_DEPS_DIR}
                   DEPENDS Pratilo ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Pratilo.bin ${pratilo_dist_docs}
                           ${CMAKE_SOURCE_DIR}/scripts/dist.py
                   COMMENT "Packing the release into ${pratilo_dist_zip}"
                   VERBATIM)
add_custom_target(dist ALL DEPENDS ${pratilo_dist_zip})
add_dependencies(dist payload)
