#!/usr/bin/python3
"""Builds the installer with wixl so that a rebuild of the same source gives
the same bytes. wixl stamps the package code with a random UUID, both dates
of the summary information with the clock, and the cabinet with the
program's modification time, and has no option to do otherwise. Here every
date becomes SOURCE_DATE_EPOCH (the clock where it is unset), and the package
code a name-based UUID of the version and that date, so that it still tells
two different packages apart. The product code, -D ProductCode for the .wxs,
is one of the version's own under the upgrade code: a newer version gets a
new one, and so replaces the older, yet a rebuild gets the same.
    make_msi.py SOURCE.wxs PROGRAM.exe VERSION UPGRADE_CODE OUTPUT.msi
The .wxs names its other files relative to the current folder, where the
program's dated copy goes too, in cabinet/.
"""
import os
import shutil
import subprocess
import sys
import time
import uuid

import gi

gi.require_version("Libmsi", "1.0")
from gi.repository import Libmsi  # noqa: E402

# Our own namespace for package codes; it never changes.
PACKAGE_CODES = uuid.UUID("7d0f0c52-5b3e-4c71-9a57-3d1b8f7e2a10")
# Seconds from 1601-01-01, where a Windows FILETIME starts, to 1970-01-01.
FILETIME_TO_UNIX = 11644473600


def filetime(unix_seconds):
    return (unix_seconds + FILETIME_TO_UNIX) * 10_000_000


def build(wxs, program, version, product_code, output, epoch):
    # wixl takes only names relative to the current folder.
    os.makedirs("cabinet", exist_ok=True)
    dated = os.path.join("cabinet", os.path.basename(program))
    shutil.copyfile(program, dated)
    os.utime(dated, (epoch, epoch))
    subprocess.run(["wixl", "--arch", "x64", "-D", f"Version={version}", "-D", f"ProductCode={product_code}",
                    "-D", f"Exe={dated}", "-o", output, wxs], check=True, timeout=300)


def set_summary(output, version, epoch):
    package_code = uuid.uuid5(PACKAGE_CODES, f"{version}@{epoch}")
    database = Libmsi.Database.new(output, Libmsi.DbFlags.TRANSACT, None)
    summary = Libmsi.SummaryInfo.new(database, 3)
    summary.set_string(Libmsi.Property.UUID, "{%s}" % str(package_code).upper())
    summary.set_filetime(Libmsi.Property.CREATED_TM, filetime(epoch))
    summary.set_filetime(Libmsi.Property.LASTSAVED_TM, filetime(epoch))
    summary.persist()
    database.commit()


def main(wxs, program, version, upgrade_code, output):
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH") or time.time())
    product_code = str(uuid.uuid5(uuid.UUID(upgrade_code), version)).upper()
    build(wxs, program, version, product_code, output, epoch)
    set_summary(output, version, epoch)


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    main(*sys.argv[1:])
