# Settings of the module's build under emscripten: the smallest code, and the JSON library,
# whose header lies outside emscripten's system root.
add_compile_options(-Oz -flto)
add_link_options(-Oz -flto)

find_path(BRINDLEX_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
# Only the library's own folder, so that none of the host's C headers come before
# emscripten's.
set(json_include ${CMAKE_BINARY_DIR}/json-include)
file(MAKE_DIRECTORY ${json_include})
file(CREATE_LINK ${BRINDLEX_JSON_INCLUDE}/nlohmann ${json_include}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
                      INTERFACE_INCLUDE_DIRECTORIES ${json_include})
