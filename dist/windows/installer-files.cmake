# Lists the staged files for the installer, both ways: what the installer
# puts in place (OUTPUT-install.nsh) and exactly that for the uninstaller to
# take away (OUTPUT-uninstall.nsh), folders last and only when empty, so that
# a user's file in the program's folder is never removed.
# cmake -DSTAGE=<folder> -DOUTPUT=<prefix> -P installer-files.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)

set(install "")
set(uninstall "")
set(folders "")
set(current "")
foreach(file ${files})
    get_filename_component(folder ${file} DIRECTORY)
    string(REPLACE "/" "\\" windowsFile "${file}")
    if(NOT folder STREQUAL current OR install STREQUAL "")
        string(REPLACE "/" "\\" windowsFolder "${folder}")
        string(APPEND install "SetOutPath \"$INSTDIR\\${windowsFolder}\"\n")
        set(current ${folder})
        while(folder)
            string(REPLACE "/" "\\" windowsFolder "${folder}")
            list(APPEND folders ${windowsFolder})
            get_filename_component(folder ${folder} DIRECTORY)
        endwhile()
    endif()
    string(APPEND install "File \"${STAGE}/${file}\"\n")
    string(APPEND uninstall "Delete \"$INSTDIR\\${windowsFile}\"\n")
endforeach()
list(REMOVE_DUPLICATES folders)
# Inner folders before the folders that hold them.
list(SORT folders)
list(REVERSE folders)
foreach(folder ${folders})
    string(APPEND uninstall "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE ${OUTPUT}-install.nsh "${install}")
file(WRITE ${OUTPUT}-uninstall.nsh "${uninstall}")
