# The artwork files, listed once: the generator's outputs, the program's resource script and the
# tests' list (a generated header) are all derived from here. Each entry is file:width:height.

# Pictures of the wizard, embedded in the program as resources: each at its design size (96 DPI) and,
# named <stem>_2x.<ext>, drawn at twice that size for high-DPI screens.
set(PRATILO_EMBEDDED_ART
    banner.jpg:105:233 variants.jpg:1800:200
    resolutions1.jpg:900:200 resolutions2.jpg:900:200 resolutions3.jpg:900:200 resolutions4.jpg:900:200
    resolutions5.jpg:900:200
    glyph_next.bmp:16:16 glyph_previous.bmp:16:16 glyph_quit.bmp:16:16 glyph_uninstall.bmp:16:16
    flag_fr.bmp:16:16 flag_en.bmp:16:16 hourglass.bmp:32:32
    banner_2x.jpg:210:466 variants_2x.jpg:3600:400
    resolutions1_2x.jpg:1800:400 resolutions2_2x.jpg:1800:400 resolutions3_2x.jpg:1800:400
    resolutions4_2x.jpg:1800:400 resolutions5_2x.jpg:1800:400
    glyph_next_2x.bmp:32:32 glyph_previous_2x.bmp:32:32 glyph_quit_2x.bmp:32:32 glyph_uninstall_2x.bmp:32:32
    flag_fr_2x.bmp:32:32 flag_en_2x.bmp:32:32 hourglass_2x.bmp:64:64)

# Ground textures of the payload: five variants in three resolutions, and the test grid.
set(PRATILO_PAYLOAD_ART)
foreach(variant 1 2 3 4 5)
  foreach(size 1024 512 256)
    list(APPEND PRATILO_PAYLOAD_ART payload/T${variant}_${size}.bmp:${size}:${size})
  endforeach()
endforeach()
list(APPEND PRATILO_PAYLOAD_ART payload/T6.bmp:1024:1024)

# The file names of entries, in the artwork folder.
function(pratilo_artwork_paths out)
  set(paths)
  foreach(entry ${ARGN})
    string(REGEX REPLACE ":.*" "" name ${entry})
    list(APPEND paths ${PRATILO_ARTWORK_DIR}/${name})
  endforeach()
  set(${out} ${paths} PARENT_SCOPE)
endfunction()

# The resource script of the embedded pictures; the resource name is the file name in upper case with
# "_" for "." and "/" (as app::ResourceNameFor finds it).
function(pratilo_write_artwork_rc path)
  set(lines "// Generated from cmake/Artwork.cmake.\n")
  foreach(entry ${PRATILO_EMBEDDED_ART})
    string(REGEX REPLACE ":.*" "" name ${entry})
    string(TOUPPER ${name} resource)
    string(REGEX REPLACE "[./]" "_" resource ${resource})
    string(APPEND lines "${resource} RCDATA \"${PRATILO_ARTWORK_DIR}/${name}\"\n")
  endforeach()
  file(CONFIGURE OUTPUT ${path} CONTENT "${lines}" @ONLY)
endfunction()

# A header for the tests: every artwork file with its size and whether the program embeds it.
set(PRATILO_ARTWORK_HEADER_DIR ${CMAKE_BINARY_DIR}/generated)
function(pratilo_write_artwork_header)
  set(rows)
  foreach(kind embedded payload)
    string(TOUPPER ${kind} upper)
    set(embedded false)
    if(kind STREQUAL "embedded")
      set(embedded true)
    endif()
    foreach(entry ${PRATILO_${upper}_ART})
      string(REPLACE ":" ";" fields ${entry})
      list(GET fields 0 name)
      list(GET fields 1 width)
      list(GET fields 2 height)
      string(APPEND rows "    {\"${name}\", ${width}, ${height}, ${embedded}},\n")
    endforeach()
  endforeach()
  file(CONFIGURE OUTPUT ${PRATILO_ARTWORK_HEADER_DIR}/ArtworkFiles.h CONTENT
"#pragma once
// Generated from cmake/Artwork.cmake: every artwork file with its size in pixels.
namespace artwork_files {

struct File {
  const char* name;  // in the artwork folder, \"/\"-separated
  int width, height;
  bool embedded;  // a resource of the program; otherwise part of the payload
};

inline constexpr File kFiles[] = {
${rows}};

}  // namespace artwork_files
" @ONLY)
endfunction()

pratilo_write_artwork_header()
add_library(artwork_files INTERFACE)
target_include_directories(artwork_files INTERFACE ${PRATILO_ARTWORK_HEADER_DIR})
