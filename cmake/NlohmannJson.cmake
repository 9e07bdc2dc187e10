# The JSON library (headers only) as the target nlohmann_json::nlohmann_json
# for every folder: the simulator's state files and the uncertainty budgets.
# A cross build takes the build machine's headers, copied on their own,
# since its include folder holds that system's C library headers.
if(CMAKE_CROSSCOMPILING)
  find_path(NLOHMANN_JSON_HEADERS nlohmann/json.hpp NO_CMAKE_FIND_ROOT_PATH)
  if(NOT NLOHMANN_JSON_HEADERS)
    message(FATAL_ERROR "nlohmann/json.hpp not found (Debian package nlohmann-json3-dev)")
  endif()
  file(COPY ${NLOHMANN_JSON_HEADERS}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/json)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
  target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE
                             ${CMAKE_BINARY_DIR}/json)
else()
  find_package(nlohmann_json 3 REQUIRED GLOBAL)
endif()
