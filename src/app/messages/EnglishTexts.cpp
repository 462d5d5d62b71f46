#include "app/messages/CatalogueTexts.h"
#include "app/messages/Website.h"

namespace mapsetdesk {
namespace {

TextTable englishMessages() {
  const std::string helpPage(kProductHelpPage);
  return {
      // Removal and the catalogue lists.
      {"Tip1", "'doubleclick' removes Mapset"},
      {"Satz20", "The mapset was removed from 'MapSource'."},
      {"Satz21", "Are you sure to remove mapset ?"},
      {"Satz29", "The installed mapsets are read. wait..."},
      {"Satz30", "There are no mapsets installed in 'MapSource'."},
      {"Satz55", "Doubleclick a mapset to remove it from 'MapSource'."},
      {"satz56", "mapsets in gmp-format :"},
      {"satz57", "no mapsets in gmp-format are existing."},
      {"satz58", "Doubleclick a gmap-mapset to remove it."},
      {"satz59", "The gmap-mapset was removed."},
      {"satz60", "Folder of the gmap-mapsets : "},
      {"Satz72", ". Doubleclick for delete"},
      {"Fehler20", "The tdb-file of the mapset is missing : "},
      {"Fehler22", "The preview-file of the mapset is missing : "},
      {"Fehler25",
       "Missing in Registrykey the entry for value 'TDB=' . You must insert it or delete the "
       "key complett. : "},
      {"Fehler26", "Access denied. Close 'MapSource' and 'BaseCamp' and try again."},
      {"Fehler32",
       " has a identical ID-number like another mapset. MapSource will showup only one mapset. "
       "Change  one mapset or delete it."},

      // Tile selection and the new mapset's name and FID.
      {"Tip2", "Singleselect = doubleclick. Use multiselect with 'Drag & Drop'"},
      {"Satz27",
       "The img -file is stored in the same folder like ZORVAN-SOFTWARE. This is not allowed. "
       "Move img-fil to other folder and start again."},
      {"Satzumlaut",
       "The filename must not contain any special characters, use A-->Z, a-->z, 0-->9"},
      {"Fehler2", "ID-Nr. exists already."},
      {"Fehler5",
       "You must change minimum 1 character in letters 1- 8. Such name is already existing."},
      {"Fehler12", "File always exist."},
      {"Fehler18", "Type in a name for the mapset."},
      {"Fehler19", "The FID must be a whole number from 1 to 65535, written with digits only."},
      {"Fehler23",
       "You try to integrate files with wrong filename. Filename must always have 8 digits, no "
       "letters. For example:'12345678.img' or end with ...'gmapsupp.img'."},
      {"Fehler24", "The folder can not be opened : "},
      {"Fehler28", "No File choosed."},
      {"Fehler37",
       "Any pathname to gmapsupp.img includes dots as name. Move the gmapsupp to  a folder  "
       "without dots in foldername."},

      // Installation: outside programs, overview map, registration, packages.
      {"Text1", "integration is started. wait..."},
      {"Text2", "Integration is complet. Start 'MapSource' again."},
      {"Satz43",
       "'Yes'craetes a gmap-installation, this is the prefered version. 'no' creates a "
       "traditionall registrykey."},
      {"Satz61", "There are "},
      {"Satz62", " files processed. The generation of the mapset is complete."},
      {"Satz63", "The mapset was created as gmap-installation in folder "},
      {"Satz64",
       "cgpsmapper could not create the preview-file, the access rules of this pc have stopped "
       "it. Close 'MapSource' and 'BaseCamp', or start zorvan as admin, and try again. "},
      {"Satz65",
       "You can also create the preview-file yourself: drag the .mp-file from the folder of "
       "your maptiles and drop it on the file Version97c\\cgpsmapper.exe in the ZORVAN-folder. "},
      {"Satz78",
       "Then install the mapset again with the option 'Tdb + preview already existing ?'. "
       "More help : " +
           helpPage},
      {"Satz73", "working on file "},
      {"Satz74", " files complete. Working on "},
      {"Fehler8", "Integration is now ready for use. Start 'MapSource'again."},
      {"Fehler9",
       "cgpsmapper can't create the preview -file. Integration to 'Mapsource' was not "
       "possible."},
      {"FehlerCpreview",
       "The preview-file was not created. Look at the output of cgpsmapper in the tool "
       "window."},
      {"Fehler13",
       "File 'cgpsmapper.exe' is not existing in subfolder \\Version97c. Make a new "
       "installation zorvan"},
      {"Fehler33",
       "missing file sendg.dll in cgpsmapper-folder. Create a copy of sendg.dll and store it "
       "in folder "},
      {"Fehler35",
       "Java is not installed on this pc, so the preview-file can not be created with mkgmap. "
       "You get Java at https://www.java.com"},
      {"Fehler40", "mkgmap.jar is not present in ZORVAN-folder. install zorvan again."},
      {"Fehler41", "zorvan was unable to create a tdb-file. Check if your files are error-free"},
      {"Fehler42", "gmt.exe is not present in ZORVAN-folder. install zorvan again."},
      {"Fehler43", "The file Info.xml of the gmap-mapset can not be written : "},
      {"Fehler29",
       "zorvan was unable to write to registry, because the securitysettings doe's not allow "
       "that. You should create a gmap-installation instaed registy-installation. in that case "
       "are adminright's not necessary. Or try to start zorvan with rightclick an ZORVAN*-exe==> "
       "start as==> administrator and change your securitysetting in uac and/or in registry. "
       "zorvan must have a write-rights in registry."},

      // Device images.
      {"Satz66",
       "Folder 'SplittMaps' already exists. I you proceed, it will overwrited. Continue "
       "anyway ?"},
      {"Satz67",
       "Shall the mapset keep its own FID ? 'yes' keeps the FID stored in its tdb-file, but "
       "another installed mapset may use it already. 'no' gives the mapset a free FID, then "
       "'MapSource' will surely show it."},
      {"Fehler36",
       "Creation of tdb-file was not possible. Perhaps some img-files were created. ZORVAN "
       "will restart. Then try it it with the created img-files in subfolder ..\\SplittMaps "
       "again."},
      {"Fehler38", "The file gmapsupp.img is not existing : "},
      {"Fehler39",
       "zorvan was not bee able to extract some files from  gmapsupp. Try another "
       "gmapsupp.img."},
      {"Fehler48",
       "The gmapsupp.img is damaged: its table of contents or its list of maps cannot be used. "
       "Nothing was installed. Try another gmapsupp.img."},
      {"Fehler49",
       "These maptiles of the gmapsupp.img belong to no mapset of its list of maps, so nothing "
       "was installed : "},

      // Editing: rename, TYP file, FID, draw priority.
      {"Satz25", "ZORVAN has created a backupfile  as file : "},
      {"Satz49", "Doubleclick the mapset you want to rename."},
      {"Satz50", "use new name"},
      {"Satz53", "type in new name"},
      {"Satz22", "Typfile was changed. Start 'Mapsource' again."},
      {"Satz26", "Doubleclick the mapset that shall get the new typfile."},
      {"Satz51", "Doubleclick the mapset whose FID shall be changed."},
      {"Satz48",
       "Click here, then doubleclick a mapset to list its maptiles with their drawpriority."},
      {"Satz52", "Doubleclick the mapset whose drawpriority shall be changed."},
      {"Fehler15", "No mapset selected. Choose a mapset with doubleclick."},
      {"Fehler16",
       "No typfile selected. Existing typfile will not longer used with the mapset. "
       "Continue ?"},
      {"Fehler17", "The typfile could not be copied to the folder of the mapset : "},
      {"Fehler27", "Typfile was deleted."},
      {"Fehler30", "The typfile is not existing : "},
      {"Fehler60",
       "Only typfiles with a name of 8 characters and the ending '.typ' can be used, for "
       "example '12345678.typ'. Rename these typfiles : "},
      {"Fehler61",
       "A mapset is installed only with a typfile named like its tdb-file beside its maptiles. "
       "Give it the chosen typfile afterwards with 'add/change typfile'. Continue the "
       "installation without it ? Chosen typfile : "},
      {"Fehler31",
       "the new Typfile is stored in same folder like the old and it has the same name. That "
       "is not alowed. Rename it and store it in other folder."},

      // Start-up, settings, export and the BaseCamp tile cache.
      {"Satz28",
       "You have not admin-rights. It is possible, that ZORVAN cann't create registrykeys and "
       "integration will failed. Start again as admin."},
      {"Satz68", "operatingsystem is 64 bit"},
      {"Satz69", "operatingsystem is 32 bit"},
      {"Satz70",
       "Which operatingsystem is istalled on this computer ? 'yes' for 64 bit, 'no' for 32 "
       "bit"},
      {"Satz71", "The new setting is used at the next start of ZORVAN."},
      {"Tooltip3", "click here,if you want to install maps on another pc."},
      {"Satz75", "clear BaseCamp TileCache : "},
      {"Satz76", " in use -delete ?"},
      {"Satz77", "clear BaseCamp TileCache"},
  };
}

TextTable englishCaptions() {
  return {
      {"CommandKartenentfernen", "show + remove mapset"},
      {"CommandHinzufuegen", "add mapset"},
      {"Command2", "add/remove  next mapset"},
      {"Command1", "Selection is finished"},
      {"CommandAllesLoeschen", "back"},
      {"CommandFolder", "choose folder"},
      {"CommandMapnameAendern", "change mapset-name"},
      {"CommandNameuebernehmen", "use this name"},
      {"CommandFilename", "show maptile names+drawpriority"},
      {"CommandTypeaendern", "add/change typfile"},
      {"Frame2", "change DrawPriority to "},
      {"CommandButtonPV", "next step-add to Mapsource"},
      {"Optiontdbja", "Tdb + preview already existing ?"},
      {"Optiontdbno", "TDB + Preview not already existing"},
      {"Label4", "Selected files :"},
      {"Label3", "Name in 'MapSource'"},
      {"Label7", "FID :"},
      {"Label11", "Level / Zoom :"},
      {"Label12", "a free FID is proposed, you may change it"},
      {"Frame1", "name and FID of the new mapset"},
      {"CheckTypfile", "choose typfile"},
      {"LabelTypefile", "typfile :"},
      {"CommandDoIt", "use typfile"},
      {"CommandFID", "change FID"},
      {"CmdExpImp", "export-import"},
      {"CommandKompa", "clear BaseCamp TileCache"},
      {"LabelGMPFolder", "folders of gmap-mapsets and TileCaches"},
      {"Label9", "deutsch"},
      {"MnHilfe", "Hilfe ?"},
      {"Prop", "OS 32 bit or 64 bit ?"},
      {"MnuLatitude", "Optimale Latitude"},
      {"MnuPruefen", "check installation"},
      {"MnuVerlauf", "History"},
      {"MnuGeraet", "Send to device"},
      {"mnuWebsite", "Website"},
  };
}

TextTable englishToolTips() {
  return {
      {"List1", "click on a file removes it from the selection"},
      {"Dir1", "folder of the maptiles"},
      {"CommandFolder", "choose the folder of the maptiles"},
      {"TextBoxMSName", "name of the mapset in 'MapSource', no special characters"},
      {"TextBoxID", "family-ID (FID) of the new mapset"},
      {"ListMapsetName", "doubleclick a mapset to start the chosen action"},
      {"ListMapsetGMP", "mapsets in gmp-format. Doubleclick starts the chosen action"},
      {"FileTypefile", "typfiles of the chosen folder"},
      {"CommandFID", "gives a mapset a new FID"},
      {"CommandKompa", "deletes the tiles of the BaseCamp TileCache"},
      {"LabelGMPFolder", "click here to show the folders of gmap-mapsets and TileCaches"},
      {"Label9", "click here for german texts"},
  };
}

}  // namespace

const CatalogueTexts& englishTexts() {
  static const CatalogueTexts texts{englishMessages(), englishCaptions(), englishToolTips()};
  return texts;
}

}  // namespace mapsetdesk
