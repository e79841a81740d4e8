resources/CMakeFiles/tess_resources.dir/tess_resources_autogen/EWIEGA46WW/qrc_tessaline.cpp.o: \
 /work/wt-arch14/b/resources/tess_resources_autogen/EWIEGA46WW/qrc_tessaline.cpp \
 /usr/include/stdc-predef.h
