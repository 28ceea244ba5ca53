#!/usr/bin/env python3
"""Checks the built skin library: a PE file for the given machine, of at most --max-size
bytes, that exports SkinH_AttachRes under that undecorated name. Exits non-zero, saying
why, otherwise."""
import argparse
import struct
import sys

EXPORT = b"SkinH_AttachRes"
MACHINES = {"i386": (0x14C, 0x10B, 96), "amd64": (0x8664, 0x20B, 112)}


def exported_names(image, machine_name):
    expected_machine, expected_magic, export_entry = MACHINES[machine_name]
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", image, pe + 4)
    if machine != expected_machine:
        raise ValueError(f"machine 0x{machine:X} is not {machine_name}")
    optional = pe + 24
    if struct.unpack_from("<H", image, optional)[0] != expected_magic:
        raise ValueError(f"not an optional header for {machine_name}")
    export_rva = struct.unpack_from("<I", image, optional + export_entry)[0]
    table = optional + optional_size
    spans = [struct.unpack_from("<IIII", image, table + 40 * i + 8) for i in range(sections)]

    def offset(rva):
        for size, address, raw_size, raw in spans:
            if address <= rva < address + max(size, raw_size):
                return rva - address + raw
        raise ValueError(f"address 0x{rva:X} lies in no section")

    if export_rva == 0:
        return []
    directory = offset(export_rva)
    # NumberOfNames, AddressOfFunctions, AddressOfNames
    count, _, names_rva = struct.unpack_from("<III", image, directory + 24)
    names = []
    for i in range(count):
        start = offset(struct.unpack_from("<I", image, offset(names_rva) + 4 * i)[0])
        names.append(image[start:image.index(b"\0", start)])
    return names


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("library")
    parser.add_argument("--machine", choices=sorted(MACHINES), required=True)
    parser.add_argument("--max-size", type=int)
    args = parser.parse_args()
    path = args.library
    image = open(path, "rb").read()
    problems = []
    if args.max_size is not None and len(image) > args.max_size:
        problems.append(f"{len(image)} bytes, more than {args.max_size}")
    try:
        names = exported_names(image, args.machine)
        if EXPORT not in names:
            problems.append(f"exports {[n.decode() for n in names]}, not {EXPORT.decode()}")
    except (ValueError, struct.error) as error:
        problems.append(str(error))
    if problems:
        sys.exit(f"{path}: " + "; ".join(problems))
    print(f"{path}: {len(image)} bytes, exports {EXPORT.decode()}")


if __name__ == "__main__":
    main()
