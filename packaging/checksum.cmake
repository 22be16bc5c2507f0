# cmake -DFILE=... -DOUT=... -P checksum.cmake: writes FILE's SHA-256 in the format of sha256sum.
file(SHA256 "${FILE}" hash)
get_filename_component(name "${FILE}" NAME)
file(WRITE "${OUT}" "${hash}  ${name}\n")
